// The command line with flags: CLI11 sorts the arguments into flags and files; the values are
// then checked against what each flag takes.
//   1. classic or flags   2. declaring the flags   3. problems   4. values   5. parsing
#include "common/options/command_line.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstring>
#include <memory>

#include "common/options/prog_options.h"
#include "common/pictures/colour_schemes.h"
#include "common/surface/palette.h"

// ---- 1. classic or flags ----

bool f_usesFlags(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] == '-') return true;
    return false;
}

const char* f_fileOperands(program_kind program)
{
    return program == program_kind::vemura ? "[OPTIONS_FILE] ALIGNMENT" : "[OPTIONS_FILE] FIRST SECOND";
}

const given_flag* f_givenFlag(const command_line& line, flag_id id)
{
    for (const given_flag& given : line.flags)
        if (given.flag->id == id) return &given;
    return nullptr;
}

namespace {

// ---- 2. declaring the flags ----

std::string cliNames(const flag_spec& flag)
{
    std::string names;
    if (flag.shortName != 0) names = std::string("-") + flag.shortName + ",";
    return names + "--" + flag.longName;
}

// The CLI11 options of one program, one per flag of the table, and where their values land.
struct declared_flag {
    const flag_spec* flag;
    CLI::Option* option;
    std::unique_ptr<std::vector<std::string>> values;
};

std::vector<declared_flag> declareFlags(CLI::App& app, program_kind program)
{
    std::vector<declared_flag> declared;
    for (const flag_spec& flag : f_flags()) {
        if (!f_hasFlag(flag, program)) continue;
        declared_flag entry{&flag, nullptr, std::make_unique<std::vector<std::string>>()};
        const std::string names = cliNames(flag);
        const std::string help = f_flagHelp(flag, program);
        if (flag.id == flag_id::help)
            entry.option = app.set_help_flag(names, help);
        else if (flag.id == flag_id::version)
            entry.option = app.set_version_flag(names, std::string(), help);  // the caller prints it
        else if (flag.value == flag_value::none)
            entry.option = app.add_flag(names, help)->disable_flag_override();
        else
            // One value per occurrence (never the next file names too); every occurrence kept.
            entry.option = app.add_option(names, *entry.values, help)
                               ->type_name(flag.valueName)
                               ->expected(1)
                               ->allow_extra_args(false)
                               ->take_all();
        declared.push_back(std::move(entry));
    }
    return declared;
}

// ---- 3. problems ----

// CLI11's own message, said the way the other problems are. CLI11 names the flag at the start of
// its messages: "--width: 1 required N missing", "quiet was given a disallowed flag override".
std::string problemOf(const CLI::ParseError& error, program_kind program)
{
    const std::string text = error.what();
    for (const flag_spec& flag : f_flags()) {
        if (!f_hasFlag(flag, program)) continue;
        const std::string name = std::string("--") + flag.longName;
        if (text.rfind(name + ":", 0) == 0 && text.size() > 8 && text.compare(text.size() - 8, 8, " missing") == 0)
            return name + " needs a value";
        if (text.rfind(std::string(flag.longName) + " was given a disallowed flag override", 0) == 0 ||
            text.rfind(name + " was given a disallowed flag override", 0) == 0)
            return name + " takes no value";
    }
    return text;
}

// An argument that CLI11 left over: an unknown flag (its value, if any, cut off); "--" is not one.
std::string unknownFlag(const std::vector<std::string>& remaining)
{
    for (const std::string& argument : remaining)
        if (argument != "--") return argument.substr(0, argument.find('='));
    return std::string();
}

// ---- 4. values ----

bool isWholeNumber(const std::string& text)
{
    std::size_t i = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1;
    if (i == text.size()) return false;
    for (; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    return true;
}

std::vector<std::string> splitList(const std::string& text)
{
    std::vector<std::string> entries;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        entries.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos) return entries;
        start = comma + 1;
    }
}

bool isFormat(const std::string& text) { return text == "png" || text == "svg" || text == "pdf"; }

// FROM-TO or FROM-, FROM at least 1 and TO not below it.
bool isColumnRange(const std::string& text)
{
    long long from = 0, to = 0;
    return f_columnRange(text, from, to);
}

// Checks the values of one flag and puts them into given as the flag takes them. Returns false,
// with the problem, at the first value that the flag does not take.
bool takeValues(const flag_spec& flag, const std::vector<std::string>& values, given_flag& given,
                std::string& problem)
{
    const std::string name = std::string("--") + flag.longName;
    auto refuse = [&](const std::string& value, const char* what) {
        problem = name + ": \"" + value + "\" is not " + what;
        return false;
    };
    switch (flag.value) {
    case flag_value::none:
        return true;
    case flag_value::text:
        given.values.push_back(values.back());
        return true;
    case flag_value::number:
        if (!isWholeNumber(values.back())) return refuse(values.back(), "a whole number");
        given.values.push_back(values.back());
        return true;
    case flag_value::name_width: {
        const int width = f_atoiSaturated(values.back());
        if (!isWholeNumber(values.back()) || width < 1 || width > 60)
            return refuse(values.back(), "a number from 1 to 60");
        given.values.push_back(values.back());
        return true;
    }
    case flag_value::columns:
        if (!isColumnRange(values.back()))
            return refuse(values.back(), "a range of columns FROM-TO, numbered from 1 (FROM-: to the last)");
        given.values.push_back(values.back());
        return true;
    case flag_value::scheme:
        if (f_colourScheme(values.back()) == nullptr)
            return refuse(values.back(), ("a colour scheme: " + f_colourSchemeNames()).c_str());
        given.values.push_back(values.back());
        return true;
    case flag_value::colour: {
        rgb_colour colour;
        if (!f_parseColour(values.back(), colour)) return refuse(values.back(), "a basic colour name or #rrggbb");
        given.values.push_back(values.back());
        return true;
    }
    case flag_value::numbers:
    case flag_value::formats:
        for (const std::string& value : values)
            for (const std::string& entry : splitList(value)) {
                if (flag.value == flag_value::numbers && !isWholeNumber(entry))
                    return refuse(value, "a comma-separated list of whole numbers");
                if (flag.value == flag_value::formats && !isFormat(entry))
                    return refuse(value, "a comma-separated list of png, svg and pdf");
                given.values.push_back(entry);
            }
        return true;
    }
    return true;
}

// "--name=" is the flag with an empty value, as in GNU programs; CLI11 would see no value.
std::vector<std::string> withEmptyValuesApart(program_kind program, int argc, char** argv)
{
    std::vector<std::string> arguments;
    bool flagsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const std::size_t length = argument.size();
        const flag_spec* valueFlag = nullptr;
        if (!flagsEnded && length > 3 && argument.compare(0, 2, "--") == 0 && argument.back() == '=')
            for (const flag_spec& flag : f_flags())
                if (f_hasFlag(flag, program) && flag.value != flag_value::none &&
                    argument.compare(2, length - 3, flag.longName) == 0 && std::strlen(flag.longName) == length - 3)
                    valueFlag = &flag;
        if (argument == "--") flagsEnded = true;
        if (valueFlag != nullptr) {
            arguments.push_back(argument.substr(0, length - 1));
            arguments.push_back(std::string());
        } else {
            arguments.push_back(argument);
        }
    }
    return arguments;
}

}  // namespace

// ---- 5. parsing ----

parse_result f_parseCommandLine(program_kind program, int argc, char** argv, command_line& line,
                                std::string& problem)
{
    CLI::App app;
    app.allow_extras(true);  // unknown flags are said here, in the house words
    std::vector<declared_flag> declared = declareFlags(app, program);
    app.add_option("files", line.files);

    std::vector<std::string> arguments = withEmptyValuesApart(program, argc, argv);
    std::reverse(arguments.begin(), arguments.end());  // CLI11 takes a vector last argument first
    try {
        app.parse(arguments);
    } catch (const CLI::CallForHelp&) {
        return parse_result::help;
    } catch (const CLI::CallForVersion&) {
        return parse_result::version;
    } catch (const CLI::ParseError& error) {
        problem = problemOf(error, program);
        return parse_result::problem;
    }

    problem = unknownFlag(app.remaining());
    if (!problem.empty()) {
        problem = "unknown flag \"" + problem + "\"";
        return parse_result::problem;
    }
    for (const declared_flag& entry : declared) {
        if (entry.option->count() == 0) continue;
        given_flag given{entry.flag, {}};
        if (!takeValues(*entry.flag, *entry.values, given, problem)) return parse_result::problem;
        line.flags.push_back(std::move(given));
    }
    const bool methods = f_givenFlag(line, flag_id::reference_alignment) != nullptr;
    const std::size_t least = program == program_kind::vemura ? 1 : methods ? 1 : 2;
    const std::size_t count = line.files.size();
    if (count < least || (count > least + 1 && !methods)) {
        const std::string names = count == 0   ? std::string("no file name")
                                  : count == 1 ? std::string("1 file name")
                                               : std::to_string(count) + " file names";
        problem = names + " given; expected " + (methods ? "TEST..." : f_fileOperands(program));
        return parse_result::problem;
    }
    return parse_result::run;
}
