// The everyday form's defaults.
#include "common/options/everyday_defaults.h"

// A name that is all extension (".hidden") is kept.
std::string f_fileStem(const std::string& path)
{
    if (path == "-") return "stdin";
    std::string name = path.substr(path.find_last_of('/') + 1);
    auto cutExtension = [&name](const char* only) {
        const std::size_t dot = name.find_last_of('.');
        if (dot == std::string::npos || dot == 0) return;
        if (only == nullptr || name.compare(dot, std::string::npos, only) == 0) name.erase(dot);
    };
    cutExtension(".gz");
    cutExtension(nullptr);
    return name;
}

std::string f_everydayPrefix(const std::vector<std::string>& alignmentFiles)
{
    std::string prefix;
    for (const std::string& file : alignmentFiles) prefix += (prefix.empty() ? "" : "_vs_") + f_fileStem(file);
    return prefix + "_";
}

void f_setEverydayDefaults(prog_options& opts, const std::vector<std::string>& alignmentFiles)
{
    opts.image_prefix = f_everydayPrefix(alignmentFiles);
    opts.name_width = 30;
    if (opts.program == program_kind::vemura) opts.gap_colour = "#e6e6e6";  // gappy families are no black pictures
    if (opts.program == program_kind::dorvex) {
        opts.image_types = {0, 30};
        opts.summary = true;
    }
}

void f_setMethodsDefaults(prog_options& opts, const std::string& reference)
{
    f_setEverydayDefaults(opts, {reference});
    opts.image_types = {31};
}

void f_completeEverydayDefaults(prog_options& opts, const command_line& line)
{
    const given_flag* report = nullptr;
    for (const given_flag& given : line.flags)
        if (given.flag->id == flag_id::setting && given.flag->letter == 'e') report = &given;
    if (report == nullptr) opts.error_file = opts.image_prefix + "mismatch.txt";
}
