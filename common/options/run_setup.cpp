// The run set-up: classic or flags, the options file, the flags applied after it, the warnings
// about the settings.
//   1. flags   2. warnings   3. the set-up
#include "common/options/run_setup.h"

#include <algorithm>

#include "common/pictures/picture_types.h"
#include "common/io/trace.h"
#include "common/options/command_line.h"
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
        case flag_id::setting:
            if (flag.value == flag_value::numbers) f_clearOptionList(opts, flag.letter);
            for (const std::string& value : given.values) (void)f_applyOption(opts, flag.letter, value);
            break;
        case flag_id::summary:
            opts.summary = true;
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
        case flag_id::help:
        case flag_id::version:
        case flag_id::quiet:
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

// One warning per picture type that draws nothing, at its first request.
void warnAboutPictureTypes(const prog_options& opts)
{
    std::vector<int> warned;
    for (int type : opts.image_types) {
        if (f_drawsPicture(opts.program, type) || std::find(warned.begin(), warned.end(), type) != warned.end())
            continue;
        warned.push_back(type);
        f_warn("picture type %d draws nothing in %s; it draws types %s", type, f_programNameOf(opts.program),
               drawnTypes(opts.program).c_str());
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

bool f_setUpRun(int argc, char** argv, prog_options& opts, std::vector<std::string>& alignmentFiles, int& exitCode)
{
    const program_kind program = opts.program;
    f_setProgramName(f_programNameOf(program));
    f_setQuiet(false);
    const int alignments = program == program_kind::vemura ? 1 : 2;
    exitCode = 1;

    std::string optionsFile;
    bool withOptionsFile = true;
    command_line line;
    if (!f_usesFlags(argc, argv)) {
        if (argc < alignments + 2) {
            f_printClassicUsage(program);
            f_helpHint();
            return false;
        }
        optionsFile = argv[1];
        alignmentFiles.assign(argv + 2, argv + 2 + alignments);
        if (argc > alignments + 2) warnAboutExtraArguments(alignments + 2, argc, argv, program);
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
        f_setQuiet(f_givenFlag(line, flag_id::quiet) != nullptr);
        withOptionsFile = line.files.size() > static_cast<std::size_t>(alignments);
        if (withOptionsFile) optionsFile = line.files.front();
        alignmentFiles.assign(line.files.end() - alignments, line.files.end());
    }

    if (withOptionsFile && f_readOptionLines(opts, optionsFile.c_str()) != 0) {
        f_fail("\n Can't read params file: %s\n", optionsFile.c_str());
        return false;
    }
    applyFlags(line, opts);
    f_finishOptions(opts);
    warnAboutPictureTypes(opts);
    exitCode = 0;
    return true;
}
