// Options file reader and the record of every setting of a run; the picture settings are made
// from it.
#pragma once
#include <string>
#include <vector>

#include "common/pictures/picture_settings.h"
#include "common/pictures/program_kind.h"

// How a run was asked for, which decides its defaults. Known once the command line is read, and
// read-only from then on.
enum class run_form {
    classic,       // an options file and no flag: the trace, files and exit codes of old
    options_file,  // an options file and flags: the same defaults; the flags change what they name
    everyday,      // no options file: no trace, files named after the alignments, the files written
                   // named on standard error (common/options/everyday_defaults.h)
};

// Every setting of one run, owned by the driver's main for the whole run.
struct prog_options {
    explicit prog_options(program_kind program);

    int width;                        // W: image width in pixels
    int height;                       // H: image height; 0 or less lets the driver compute it
    std::vector<int> image_types;     // t (appends): the pictures to draw, in order
    int offset_type;                  // o (dorvex)
    std::string image_prefix;         // i: prefix of the output file names
    std::string title;                // T
    std::string algorithms[2];        // A, B (dorvex): names of the alignment methods
    std::string matrix_file;          // m: empty lets the driver choose by molecule type
    std::string error_file;           // e (dorvex): name of the mismatch report
    int mismatch_mode;                // M (dorvex): 1 pairs mismatched same-named sequences anyway
    std::string group_file;           // g: colour-group file
    std::vector<int> sel_groups;      // s (vemura, appends): selected colour groups
    int fill_type;                    // f (vemura): how residue cells are filled
    int block_size;                   // S (vemura): columns per block; 0 or less means one block
    program_kind program;             // decides the recognised letters and the width limits
    run_form form;                    // how the run was asked for

    // Settings of flags without an options letter (common/options/flag_table.h).
    bool summary;                     // --summary, --no-summary (dorvex): print the agreement scores
    bool tables;                      // --tables: write the numbers behind the pictures
    std::vector<std::string> formats; // --format: picture formats, each "png", "svg" or "pdf"
    bool letters;                     // --letters: residue letters in large enough cells
    int name_width;                   // --name-width: 1 to 60

    // What vemura's figures show (flags without a letter).
    long long columns_from;           // --columns: the first column drawn, from 1; 0: every column
    long long columns_to;             // the last; 0: the alignment's last
    std::string sequences;            // --sequences: the rows drawn, in order; empty: all
    std::string reference;            // --reference: the row whose residues number the axis; empty: none
    bool numbers;                     // --numbers: each row's last residue number in a block
    bool consensus;                   // --consensus: a consensus row under the rows
    std::string colours;              // --colours: a colour scheme's name; empty: the group colours and key
    std::string gap_colour;           // --gap-colour: a colour's name or #rrggbb; empty: black (or grey)
    std::string reference_alignment;  // --reference (dorvex): score the alignments against it
    bool core;                        // --core (dorvex): the reference's core residues only
};

// The settings the pictures of the run are drawn with, as the options give them; the driver
// completes them (the weight panel) before it draws.
picture_settings f_pictureSettings(const prog_options& opts);

// Applies one setting as an options line of that letter with that value does: stores it (with
// the letter's limits; a list letter appends) and echoes it on the trace. A value beyond the
// limits is warned about, the warning led by origin, where the value was given ("-W 100000",
// "line 3: \" W 100000\""). Returns false, and changes nothing, when the letter is not one of the
// program's.
bool f_applyOption(prog_options& opts, char letter, const std::string& value, const std::string& origin);

// Empties the list of a list letter (t, s), so that a flag's list replaces the file's.
void f_clearOptionList(prog_options& opts, char letter);

// Reads the options file at path ("-": standard input) into opts, a line at a time through
// f_applyOption, and warns on standard error about a line that sets nothing or that sets
// something without beginning with a blank. Returns 0 when the file was read to its end; 1 when
// it could not be opened (nothing is printed then and opts keeps its defaults).
[[nodiscard]] int f_readOptionLines(prog_options& opts, const char* path);

// Ends the settings of a run: prints the separator line on the trace, and, in vemura, adds
// picture type 2 when groups are selected.
void f_finishOptions(prog_options& opts);

// f_readOptionLines, then f_finishOptions when the file was read: a run with the file alone.
[[nodiscard]] int ReadProgOptions(prog_options& opts, const char* path);

// The columns a range FROM-TO (or FROM-, to the last: to is 0) stands for, numbered from 1.
// Returns false, changing nothing, when text is not such a range or TO is below FROM.
bool f_columnRange(const std::string& text, long long& from, long long& to);

// The number an options value stands for, as atoi reads it (leading white space, a sign, digits;
// no digits give 0), but saturated at the int limits instead of overflowing.
int f_atoiSaturated(const std::string& text);
