// The run set-up: classic or flags, the options file, the flags applied after it, the warnings
// about the settings.
//   1. flags   2. warnings   3. the set-up
#include "common/options/run_setup.h"

#include <algorithm>
#include <filesystem>

#include "common/alignment/align_loader.h"
#include "common/io/text_input.h"
#include "common/pictures/picture_types.h"
#include "common/io/trace.h"
#include "common/options/command_line.h"
#include "common/options/everyday_defaults.h"
#include "common/options/flag_table.h"
#include "common/options/help_text.h"

namespace {

// ---- 1. flags ----

// Applies the flags after the options file: a setting as a line of its letter (a list replaces
// the file's list), the other flags into their own fields.
void applyFlags(const command_line& line, prog_options& opts)
{
    for (const given_flag& given : line.flags) {
        const flag_spec& flag = *given.flag;
        switch (flag.id) {
        case flag_id::setting: {
            if (flag.value == flag_value::numbers) f_clearOptionList(opts, flag.letter);
            const std::string name = flag.shortName != 0 ? std::string("-") + flag.shortName
                                                         : std::string("--") + flag.longName;
            for (const std::string& value : given.values)
                (void)f_applyOption(opts, flag.letter, value, name + " " + value);
            break;
        }
        case flag_id::summary:
            opts.summary = true;
            break;
        case flag_id::no_summary:  // after --summary in the table: it wins
            opts.summary = false;
            break;
        case flag_id::tables:
            opts.tables = true;
            break;
        case flag_id::format:
            opts.formats = given.values;
            break;
        case flag_id::letters:
            opts.letters = true;
            break;
        case flag_id::name_width:
            opts.name_width = f_atoiSaturated(given.values.back());
            break;
        case flag_id::columns:
            (void)f_columnRange(given.values.back(), opts.columns_from, opts.columns_to);
            break;
        case flag_id::sequences:
            opts.sequences = given.values.back();
            break;
        case flag_id::reference:
            opts.reference = given.values.back();
            break;
        case flag_id::numbers:
            opts.numbers = true;
            break;
        case flag_id::consensus:
            opts.consensus = true;
            break;
        case flag_id::colours:
            opts.colours = given.values.back();
            break;
        case flag_id::gap_colour:
            opts.gap_colour = given.values.back();
            break;
        case flag_id::reference_alignment:
            opts.reference_alignment = given.values.back();
            break;
        case flag_id::core:
            opts.core = true;
            break;
        case flag_id::help:
        case flag_id::version:
        case flag_id::quiet:
        case flag_id::trace:
            break;  // taken before the options
        }
    }
}

// ---- 2. warnings ----

// The types the program draws, as "0 to 22" or "0, 21, 22 and 30" (runs of three or more as a
// range).
std::string drawnTypes(program_kind program)
{
    std::vector<std::string> parts;
    const picture_type* runFirst = nullptr;
    int previous = 0;
    auto flush = [&]() {
        if (runFirst == nullptr) return;
        if (previous - runFirst->number >= 2) {
            parts.push_back(std::to_string(runFirst->number) + " to " + std::to_string(previous));
        } else {
            for (int n = runFirst->number; n <= previous; ++n) parts.push_back(std::to_string(n));
        }
    };
    for (const picture_type& type : f_pictureTypes()) {
        if (!f_drawsPicture(program, type.number)) continue;
        if (runFirst == nullptr || type.number != previous + 1) {
            flush();
            runFirst = &type;
        }
        previous = type.number;
    }
    flush();
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
    return text;
}

// One warning per picture type that draws nothing, at its first request: a type the program
// does not draw, or, in dorvex, one of the other mode (the methods picture is drawn with
// --reference, and alone).
void warnAboutPictureTypes(const prog_options& opts)
{
    std::vector<int> warned;
    const bool methodsMode = !opts.reference_alignment.empty();
    for (int type : opts.image_types) {
        if (std::find(warned.begin(), warned.end(), type) != warned.end()) continue;
        const bool drawn = f_drawsPicture(opts.program, type);
        const bool methodsType = drawn && f_pictureType(type)->dorvexLayout == picture_layout::methods;
        if (drawn && methodsType == methodsMode) continue;
        warned.push_back(type);
        if (!drawn)
            f_warn("picture type %d draws nothing in %s; it draws types %s", type, f_programNameOf(opts.program),
                   drawnTypes(opts.program).c_str());
        else if (methodsMode)
            f_warn("picture type %d draws nothing with --reference; it draws type 31", type);
        else
            f_warn("picture type %d draws nothing without --reference", type);
    }
}

void warnAboutExtraArguments(int first, int argc, char** argv, program_kind program)
{
    std::string extra;
    for (int i = first; i < argc; ++i) extra += std::string(i == first ? "" : " ") + argv[i];
    f_warn("arguments after the %s are ignored: %s",
           program == program_kind::vemura ? "alignment file" : "second alignment file", extra.c_str());
}

}  // namespace

// ---- 3. the set-up ----

namespace {

// An options file that the alignment loader takes for an alignment of a marked format, unless
// its first line sets something as an options line (" T multiple sequence alignment of ...").
// Only a regular file is looked at: a pipe (standard input, "<(...)") can be read once only.
bool isAlignmentNotOptions(const std::string& optionsFile, program_kind program)
{
    std::error_code ignored;
    std::string firstLine;
    if (optionsFile == "-" || !std::filesystem::is_regular_file(optionsFile, ignored) ||
        !f_isMarkedAlignment(f_openInput(optionsFile), firstLine))
        return false;
    const bool optionsLine =
        firstLine.size() > 1 && (firstLine[0] == ' ' || firstLine[0] == '\t') &&
        f_settingOfLetter(program, firstLine[1]) != nullptr;
    return !optionsLine;
}

// The command that would draw (or compare) the alignments given as an options file and more.
std::string commandFor(program_kind program, const std::vector<std::string>& files)
{
    std::string command = f_programNameOf(program);
    const std::size_t count = program == program_kind::vemura ? 1 : 2;
    for (std::size_t i = 0; i < count && i < files.size(); ++i) command += " " + files[i];
    return command;
}

}  // namespace

bool f_setUpRun(int argc, char** argv, prog_options& opts, std::vector<std::string>& alignmentFiles, int& exitCode)
{
    const program_kind program = opts.program;
    f_setProgramName(f_programNameOf(program));
    f_setQuiet(false);
    f_setNamingFiles(false);
    std::size_t alignments = program == program_kind::vemura ? 1 : 2;
    std::string methodsReference;  // dorvex --reference
    const std::size_t fileCount = static_cast<std::size_t>(argc - 1);
    exitCode = 1;

    std::vector<std::string> files;  // the options file, if any, and the alignment files
    command_line line;
    const bool flags = f_usesFlags(argc, argv);
    if (!flags && fileCount < alignments) {
        f_printClassicUsage(program);
        f_helpHint();
        return false;
    }
    if (!flags && fileCount > alignments) {
        files.assign(argv + 1, argv + 2 + alignments);
        if (fileCount > alignments + 1)
            warnAboutExtraArguments(static_cast<int>(alignments) + 2, argc, argv, program);
    } else {
        std::string problem;
        switch (f_parseCommandLine(program, argc, argv, line, problem)) {
        case parse_result::help:
            f_output(f_helpText(program));
            exitCode = 0;
            return false;
        case parse_result::version:
            f_output(f_versionText(program));
            exitCode = 0;
            return false;
        case parse_result::problem:
            f_problem(problem);
            return false;
        case parse_result::run:
            break;
        }
        files = line.files;
        if (const given_flag* reference = f_givenFlag(line, flag_id::reference_alignment)) {
            // Every file named is a test alignment, scored against the reference.
            methodsReference = reference->values.back();
            if (methodsReference.empty()) {
                f_problem("--reference needs a value");
                return false;
            }
            alignments = files.size();
        }
        if (std::count(files.begin(), files.end(), "-") + (methodsReference == "-" ? 1 : 0) > 1) {
            f_problem("standard input (\"-\") can be read only once");
            return false;
        }
    }
    const bool withOptionsFile = files.size() > alignments;
    opts.form = !withOptionsFile ? run_form::everyday : line.flags.empty() ? run_form::classic : run_form::options_file;
    alignmentFiles.assign(files.end() - static_cast<std::ptrdiff_t>(alignments), files.end());
    const bool quiet = f_givenFlag(line, flag_id::quiet) != nullptr;
    const bool everyday = opts.form == run_form::everyday;
    f_setQuiet(quiet || (everyday && f_givenFlag(line, flag_id::trace) == nullptr));
    f_setNamingFiles(everyday && !quiet);

    if (withOptionsFile) {
        const std::string& optionsFile = files.front();
        if (isAlignmentNotOptions(optionsFile, program)) {
            f_error("%s is an alignment, not an options file; to %s: %s", optionsFile.c_str(),
                    program == program_kind::vemura ? "draw it" : "compare two alignments",
                    commandFor(program, files).c_str());
            return false;
        }
        if (f_readOptionLines(opts, optionsFile.c_str()) != 0) {
            f_fail("\n Can't read params file: %s\n", optionsFile.c_str());
            return false;
        }
    } else if (!methodsReference.empty()) {
        f_setMethodsDefaults(opts, methodsReference);
    } else {
        f_setEverydayDefaults(opts, alignmentFiles);
    }
    applyFlags(line, opts);
    if (everyday) f_completeEverydayDefaults(opts, line);
    f_finishOptions(opts);
    warnAboutPictureTypes(opts);
    exitCode = 0;
    return true;
}
