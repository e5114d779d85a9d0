// Options file: one setting per line, the letter in the second column, the value from the third.
//   1. records   2. values   3. reading the file
#include "common/options/prog_options.h"

#include <climits>

#include "common/io/text_input.h"
#include "common/io/trace.h"
#include "common/options/everyday_defaults.h"
#include "common/options/flag_table.h"
#include "common/surface/palette.h"

// ---- 1. records ----

prog_options::prog_options(program_kind prog)
    : width(prog == program_kind::vemura ? 800 : 640),
      height(0),
      offset_type(0),
      image_prefix("gali"),
      error_file("mismatch.txt"),
      mismatch_mode(0),
      fill_type(0),
      block_size(-1),
      program(prog),
      form(run_form::classic),
      summary(false),
      tables(false),
      formats{"png"},
      letters(false),
      name_width(10),
      columns_from(0),
      columns_to(0),
      numbers(false),
      consensus(false),
      core(false),
      max_height(0)
{
}

picture_settings f_pictureSettings(const prog_options& opts)
{
    picture_settings settings;
    settings.width = opts.width;
    settings.height = opts.height;
    settings.offset_type = opts.offset_type;
    settings.fill_type = opts.fill_type;
    settings.sel_groups = opts.sel_groups;
    settings.block_size = opts.block_size;
    settings.letters = opts.letters;
    settings.name_width = opts.name_width;
    settings.mark_cut_names = opts.form == run_form::everyday;
    rgb_colour gap{0, 0, 0};
    if (f_parseColour(opts.gap_colour, gap)) settings.gap_colour = gap;
    settings.colours = f_colourScheme(opts.colours);
    settings.consensus = opts.consensus;
    settings.row_numbers = opts.numbers;
    settings.max_height = opts.max_height;
    // The classic form keeps its files byte for byte.
    settings.png_level = opts.form == run_form::everyday ? kEverydayPngLevel : -1;
    settings.formats.clear();
    for (const std::string& name : opts.formats)
        settings.formats.push_back(name == "svg" ? picture_format::svg
                                   : name == "pdf" ? picture_format::pdf
                                                   : picture_format::png);
    return settings;
}

// ---- 2. values ----

bool f_columnRange(const std::string& text, long long& from, long long& to)
{
    const std::size_t dash = text.find('-');
    auto number = [&text](std::size_t begin, std::size_t end, long long& value) {
        if (end <= begin || end - begin > 15 || text.find_first_not_of("0123456789", begin) < end) return false;
        value = std::stoll(text.substr(begin, end - begin));
        return true;
    };
    long long first = 0, last = 0;
    if (dash == std::string::npos || !number(0, dash, first) || first < 1) return false;
    if (dash + 1 < text.size() && (!number(dash + 1, text.size(), last) || last < first)) return false;
    from = first;
    to = last;
    return true;
}

int f_atoiSaturated(const std::string& text)
{
    std::size_t i = 0;
    auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (i < text.size() && isSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit) value = limit;  // saturate, and keep the product from overflowing
    }
    return static_cast<int>(negative ? -value : value);
}

namespace {

// A string value ends before its first carriage return or line feed.
std::string stringValue(const std::string& value)
{
    return value.substr(0, value.find_first_of("\r\n"));
}

void echoInt(const char* label, int value) { f_say("%s%d\n", label, value); }

void echoString(const char* label, const std::string& value)
{
    f_sayText(label);
    f_sayText(value);
    f_sayText("\n");
}

// The text of an options line as a warning shows it: without its line end, control characters
// as "?", cut after 60 characters.
std::string shownLine(const std::string& line)
{
    std::string shown = line.substr(0, line.find_first_of("\r\n"));
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    if (shown.size() > 60) shown = shown.substr(0, 57) + "...";
    return shown;
}

// The value within least and most; a value beyond them is warned about ("-W 100000: the width is
// at most 3000; drawing 3000 px wide").
int clamped(int value, int least, int most, const std::string& origin, const char* what, const char* extent)
{
    const int kept = value < least ? least : value > most ? most : value;
    if (kept != value)
        f_warn("%s: the %s is at %s %d; drawing %d px %s", origin.c_str(), what, value < least ? "least" : "most",
               kept, kept, extent);
    return kept;
}

// A height given to the bounded sizes is taken exactly, from this height up.
constexpr int kLeastGivenHeight = 200;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isBlankLine(const std::string& line) { return line.find_first_not_of(" \t\r\n") == std::string::npos; }

// Warns about a line that sets something although it does not begin with a blank, and about a
// line that sets nothing (blank lines and comment lines, beginning with "#", are meant to).
void warnAboutLine(program_kind program, int number, const std::string& line, const flag_spec* setting)
{
    if (setting != nullptr) {
        if (!isBlank(line[0]))
            f_warn("line %d: \"%s\" sets %s; option lines begin with a blank", number, shownLine(line).c_str(),
                   setting->what);
        return;
    }
    if (isBlankLine(line) || line[0] == '#') return;
    const char letter = line.size() > 1 ? line[1] : '\0';
    const program_kind other = program == program_kind::vemura ? program_kind::dorvex : program_kind::vemura;
    if (f_settingOfLetter(other, letter) != nullptr)
        f_warn("line %d: \"%s\" sets nothing; %c is not a %s option", number, shownLine(line).c_str(), letter,
               program == program_kind::vemura ? "vemura" : "dorvex");
    else
        f_warn("line %d: \"%s\" sets nothing; an option line is a blank, the option letter, then its value",
               number, shownLine(line).c_str());
}

}  // namespace

bool f_applyOption(prog_options& opts, char letter, const std::string& value, const std::string& origin)
{
    if (f_settingOfLetter(opts.program, letter) == nullptr) return false;
    const bool vemura = opts.program == program_kind::vemura;
    switch (letter) {
    case 'W':
        opts.width = clamped(f_atoiSaturated(value), vemura ? 450 : 320, 3000, origin, "width", "wide");
        echoInt(" - Image  Width: ", opts.width);
        break;
    case 'H':
        opts.height = clamped(f_atoiSaturated(value), INT_MIN, 10000, origin, "height", "high");
        if (opts.max_height > 0 && opts.height > 0)  // the bounded sizes take the height as given
            opts.height = clamped(opts.height, kLeastGivenHeight, 10000, origin, "height", "high");
        echoInt(" - Image Height: ", opts.height);
        break;
    case 't':
        opts.image_types.push_back(f_atoiSaturated(value));
        echoInt(" - Image   Type: ", opts.image_types.back());
        break;
    case 'i':
        opts.image_prefix = stringValue(value);
        echoString(" - Image   Pref: ", opts.image_prefix);
        break;
    case 'T':
        opts.title = stringValue(value);
        echoString(" - Image  Title: ", opts.title);
        break;
    case 'A':
        opts.algorithms[0] = stringValue(value);
        echoString(vemura ? " -    Algorithm: " : " -1st Algorithm: ", opts.algorithms[0]);
        break;
    case 'B':
        opts.algorithms[1] = stringValue(value);
        echoString(" -2nd Algorithm: ", opts.algorithms[1]);
        break;
    case 'm':
        opts.matrix_file = stringValue(value);
        echoString(" - Matrix  File: ", opts.matrix_file);
        break;
    case 'g':
        opts.group_file = stringValue(value);
        echoString(" - Group   File: ", opts.group_file);
        break;
    case 'e':
        opts.error_file = stringValue(value);
        echoString(" - Error   File: ", opts.error_file);
        break;
    case 'M':
        opts.mismatch_mode = f_atoiSaturated(value);
        echoInt(" - Mismtch Mode: ", opts.mismatch_mode);
        break;
    case 'o':
        opts.offset_type = f_atoiSaturated(value);
        echoInt(" -  Offset Type: ", opts.offset_type);
        break;
    case 'f':
        opts.fill_type = f_atoiSaturated(value);
        echoInt(" - Filling Type: ", opts.fill_type);
        break;
    case 's':
        opts.sel_groups.push_back(f_atoiSaturated(value));
        echoInt(" - Sel.   Group: ", opts.sel_groups.back());
        break;
    case 'S':
        opts.block_size = f_atoiSaturated(value);
        echoInt(" - Split BlSize: ", opts.block_size);
        break;
    default:
        return false;
    }
    return true;
}

void f_clearOptionList(prog_options& opts, char letter)
{
    if (letter == 't') opts.image_types.clear();
    if (letter == 's') opts.sel_groups.clear();
}

// ---- 3. reading the file ----

int f_readOptionLines(prog_options& opts, const char* path)
{
    FilePtr file = f_openInput(path);
    if (!file) return 1;

    std::string line;
    int number = 0;
    while (f_readLine(file.get(), line)) {
        ++number;
        bool set = false;
        if (line.size() >= 2) {  // the line end counts
            std::size_t start = 2;
            while (start < line.size() && line[start] == ' ') ++start;
            set = f_applyOption(opts, line[1], line.substr(start),
                                "line " + std::to_string(number) + ": \"" + shownLine(line) + "\"");
        }
        warnAboutLine(opts.program, number, line, set ? f_settingOfLetter(opts.program, line[1]) : nullptr);
    }
    return 0;
}

void f_finishOptions(prog_options& opts)
{
    f_say("----------------------------------------------\n\n");
    if (opts.max_height > 0 && opts.height > 0)  // a file's height, before --max-height was known
        opts.height = clamped(opts.height, kLeastGivenHeight, 10000, "--max-height", "height", "high");
    if (opts.program == program_kind::vemura && !opts.sel_groups.empty())
        opts.image_types.push_back(2);  // drawing selected groups is picture type 2
}

int ReadProgOptions(prog_options& opts, const char* path)
{
    if (f_readOptionLines(opts, path) != 0) return 1;
    f_finishOptions(opts);
    return 0;
}
