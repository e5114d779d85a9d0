// Options file reader and the two option records: every setting of a run, and the drawing
// settings derived from it that travel with every drawing call.
#pragma once
#include <string>
#include <vector>

// The program whose options are read: it decides the recognised letters and the width limits.
enum class program_kind { vemura, dorvex };

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
    program_kind program;
};

// Drawing settings of one run, built from prog_options and completed by the driver before any
// picture is drawn; read-only while pictures are drawn (what one picture needs to remember lives
// in its composer's picture_context). A non-owning view: sel_groups points into the prog_options
// record, which must outlive it.
struct image_options {
    explicit image_options(prog_options& opts);

    int width;
    int height;                       // the height asked for; 0 or less: the driver computes it
    int offset_type;
    int wl_height;                    // height of the weight-line panel
    int wl_no_frame;                  // 0: the weight-line panel gets its frame
    int fill_type;
    double max_weight;                // divisor of the weight-scaled fills
    const std::vector<int>* sel_groups;
    int block_size;
    bool letters = false;             // each residue's letter in its cell, where it fits
    int name_width = 10;              // names are shown up to this many characters
};

// Reads the options file at path into opts, echoing every recognised setting and a separator
// line on the trace. Returns 0 when the file was read to its end; 1 when it could not be opened
// (nothing is printed then and opts keeps its defaults).
[[nodiscard]] int ReadProgOptions(prog_options& opts, const char* path);

// The number an options value stands for, as atoi reads it (leading white space, a sign, digits;
// no digits give 0), but saturated at the int limits instead of overflowing.
int f_atoiSaturated(const std::string& text);
