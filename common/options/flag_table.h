// The flags of both programs, each declared once: its names, what it takes, the programs that
// have it, the options-file letter it stands for, and its help text. The command line, --help
// and the options-file warnings are all read from this table.
#pragma once
#include "common/options/prog_options.h"

// What a flag takes after its name.
enum class flag_value {
    none,        // nothing: an on/off flag
    number,      // a whole number; beyond the int range it stops at the limits (as in the file)
    numbers,     // comma-separated whole numbers; a repeated flag adds its entries
    text,        // any text, the empty text included
    formats,     // comma-separated picture formats: png, svg, pdf; a repeated flag adds them
    name_width,  // a whole number from 1 to 60
    columns,     // a range of columns: FROM-TO or FROM-, numbered from 1
    scheme,      // the name of a colour scheme
    colour,      // a basic colour name of CSS or #rrggbb
};

// What a flag does. A setting stands for an options-file letter and is applied as a line of
// that letter would be; the others are handled one by one by the run set-up.
enum class flag_id {
    setting, help, version, quiet, trace, summary, no_summary, tables, format, letters, name_width,
    columns, sequences, reference, numbers, consensus, colours, gap_colour,
    reference_alignment, core,
};

struct flag_spec {
    flag_id id;
    char letter;             // the options-file letter of a setting; 0 for the other flags
    char shortName;          // 0 when the flag has no short form
    const char* longName;    // without the leading "--"
    flag_value value;
    const char* valueName;   // the value's name in --help ("N", "LIST", "TEXT", "FILE"); null for none
    bool inVemura;
    bool inDorvex;
    const char* what;        // a setting: what a line of its letter sets ("the title"); else null
    const char* help;        // the help text (vemura's, when the programs differ)
    const char* dorvexHelp;  // dorvex's help text when it differs; null otherwise
};

// Every flag, in the order --help lists them: the general flags, then the settings in the
// order of the options-file letters, then the flags without a letter.
struct flag_list {
    const flag_spec* first;
    const flag_spec* last;
    const flag_spec* begin() const { return first; }
    const flag_spec* end() const { return last; }
};
flag_list f_flags();

// True when the program has the flag.
bool f_hasFlag(const flag_spec& flag, program_kind program);

// The flag's help text in the program.
const char* f_flagHelp(const flag_spec& flag, program_kind program);

// The setting that an options-file letter stands for in the program; null when the program has
// no such letter.
const flag_spec* f_settingOfLetter(program_kind program, char letter);
