// Options file: one setting per line, the letter in the second column, the value from the third.
//   1. records   2. values   3. reading the file
#include "common/options/prog_options.h"

#include <climits>

#include "common/io/text_input.h"
#include "common/io/trace.h"

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
      program(prog)
{
}

image_options::image_options(prog_options& opts)
    : width(opts.width),
      height(opts.height),
      offset_type(opts.offset_type),
      wl_height(10),
      wl_no_frame(0),
      fill_type(opts.fill_type),
      max_weight(0.0),
      sel_groups(&opts.sel_groups),
      block_size(opts.block_size)
{
}

// ---- 2. values ----

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

// Stores one option line's value when the letter is one of this program's; echoes it.
void applyOption(prog_options& opts, char letter, const std::string& value)
{
    const bool vemura = opts.program == program_kind::vemura;
    switch (letter) {
    case 'W': {
        const int least = vemura ? 450 : 320;
        int w = f_atoiSaturated(value);
        if (w < least) w = least;
        if (w > 3000) w = 3000;
        opts.width = w;
        echoInt(" - Image  Width: ", w);
        break;
    }
    case 'H': {
        int h = f_atoiSaturated(value);
        if (h > 10000) h = 10000;
        opts.height = h;
        echoInt(" - Image Height: ", h);
        break;
    }
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
    case 'm':
        opts.matrix_file = stringValue(value);
        echoString(" - Matrix  File: ", opts.matrix_file);
        break;
    case 'g':
        opts.group_file = stringValue(value);
        echoString(" - Group   File: ", opts.group_file);
        break;
    default:
        break;
    }
    if (vemura) {
        switch (letter) {
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
            break;
        }
    } else {
        switch (letter) {
        case 'B':
            opts.algorithms[1] = stringValue(value);
            echoString(" -2nd Algorithm: ", opts.algorithms[1]);
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
        default:
            break;
        }
    }
}

}  // namespace

// ---- 3. reading the file ----

int ReadProgOptions(prog_options& opts, const char* path)
{
    FilePtr file = f_openFile(path, "rt");
    if (!file) return 1;

    std::string line;
    while (f_readLine(file.get(), line)) {
        if (line.size() < 2) continue;  // the line end counts
        std::size_t start = 2;
        while (start < line.size() && line[start] == ' ') ++start;
        applyOption(opts, line[1], line.substr(start));
    }
    f_say("----------------------------------------------\n\n");

    if (opts.program == program_kind::vemura && !opts.sel_groups.empty())
        opts.image_types.push_back(2);  // drawing selected groups is picture type 2
    return 0;
}
