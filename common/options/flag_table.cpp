// The table of flags.
#include "common/options/flag_table.h"

#include <iterator>

namespace {

using V = flag_value;
using I = flag_id;

// id, letter, short, long, value, value name, vemura, dorvex, what a line sets, help, dorvex's help
const flag_spec kFlags[] = {
    {I::help, 0, 'h', "help", V::none, nullptr, true, true, nullptr, "print this help and exit", nullptr},
    {I::version, 0, 'V', "version", V::none, nullptr, true, true, nullptr,
     "print the program name and version and exit", nullptr},
    {I::quiet, 0, 'q', "quiet", V::none, nullptr, true, true, nullptr,
     "print no trace on standard output and name no file written; failure messages go to standard error",
     nullptr},
    {I::trace, 0, 0, "trace", V::none, nullptr, true, true, nullptr,
     "print the trace of what is read and computed on standard output, as the classic form does (the default "
     "with an options file)",
     nullptr},

    {I::setting, 'W', 'W', "width", V::number, "N", true, true, "the image width",
     "image width in pixels (450 to 3000; default 800)", "image width in pixels (320 to 3000; default 640)"},
    {I::setting, 'H', 'H', "height", V::number, "N", true, true, "the image height",
     "image height in pixels (at most 10000; 0 or less, the default, computes it from the rows; "
     "never below what the rows need)",
     nullptr},
    {I::setting, 't', 't', "type", V::numbers, "LIST", true, true, "a picture type",
     "picture types to draw, in this order (see Picture types; default 0)",
     "picture types to draw (see Picture types; default 0,30; 0 with an options file)"},
    {I::setting, 'i', 'o', "prefix", V::text, "TEXT", true, true, "the file-name prefix",
     "prefix of the file names (default: the alignment file's name without its folder and extension, "
     "then _; gali with an options file)",
     "prefix of the file names (default: FIRST_vs_SECOND_, each file's name without its folder and "
     "extension; gali with an options file)"},
    {I::setting, 'T', 'T', "title", V::text, "TEXT", true, true, "the title",
     "title of the pictures (default \"Graphical Image of Alignment\")",
     "title of the pictures (default \"Comparison of two alignments\")"},
    {I::setting, 'A', 0, "method", V::text, "TEXT", true, true, "the method name",
     "name of the alignment method (default none)", "name of the first alignment method (default 1st)"},
    {I::setting, 'B', 0, "second-method", V::text, "TEXT", false, true, "the second method name", nullptr,
     "name of the second alignment method (default 2nd)"},
    {I::setting, 'm', 0, "matrix", V::text, "FILE", true, true, "the matrix file",
     "substitution matrix file (default blosum62.matrix for protein, dnarna.matrix for nucleotide)",
     "substitution matrix file (default blosum62.matrix, or dnarna.matrix when the first alignment is "
     "nucleotide)"},
    {I::setting, 'g', 0, "groups", V::text, "FILE", true, true, "the colour-group file",
     "colour-group file (default color10.def for protein, color5.def for nucleotide)",
     "colour-group file of the pictures of types 21 and 22 (default color10.def for protein, color5.def "
     "for nucleotide)"},
    {I::setting, 'e', 0, "report", V::text, "FILE", false, true, "the mismatch report file", nullptr,
     "mismatch report file (default PREFIX + mismatch.txt; mismatch.txt with an options file)"},
    {I::setting, 'M', 0, "mismatch-mode", V::number, "N", false, true, "the mismatch mode", nullptr,
     "1: same-named sequences whose residues differ are still compared (default 0)"},
    {I::setting, 'o', 0, "offset-type", V::number, "N", false, true, "the offset type", nullptr,
     "0: the colour ramps of the strips start at 0; other values: at the smallest shift (default 0)"},
    {I::setting, 'f', 0, "fill", V::number, "N", true, false, "the fill type",
     "cell fill: 0 whole cells, black gaps; 5 bars from the top, 6 bars centred, 7 boxes centred, "
     "each scaled by the column weight; other values whole cells, grey gaps (default 0)",
     nullptr},
    {I::setting, 's', 0, "select", V::numbers, "LIST", true, false, "a selected group",
     "selected colour groups, numbered from 0; adds picture type 2", nullptr},
    {I::setting, 'S', 0, "split", V::number, "N", true, false, "the block size",
     "columns per block of a split picture (0 or less, the default: one block)", nullptr},

    {I::summary, 0, 0, "summary", V::none, nullptr, false, true, nullptr, nullptr,
     "print the agreement scores of the two alignments (the default without an options file)"},
    {I::no_summary, 0, 0, "no-summary", V::none, nullptr, false, true, nullptr, nullptr,
     "leave the agreement scores out"},
    {I::tables, 0, 0, "tables", V::none, nullptr, true, true, nullptr,
     "write the numbers behind the pictures as tab-separated tables",
     "write the numbers behind the pictures as tab-separated tables (with --reference: each pair's, "
     "named PREFIX + method + _)"},
    {I::reference_alignment, 0, 0, "reference", V::text, "FILE", false, true, nullptr, nullptr,
     "score every alignment given against this reference alignment: methods.tsv, the scores as a table on "
     "standard output and picture type 31"},
    {I::core, 0, 0, "core", V::none, nullptr, false, true, nullptr, nullptr,
     "score only the reference's core residues, those written in upper case (as in BAliBASE)"},
    {I::format, 0, 0, "format", V::formats, "LIST", true, true, nullptr,
     "picture formats to write: png, svg, pdf (comma-separated; default png)", nullptr},
    {I::letters, 0, 0, "letters", V::none, nullptr, true, true, nullptr,
     "draw each residue's letter in its cell when the cell is large enough", nullptr},
    {I::name_width, 0, 0, "name-width", V::name_width, "N", true, true, nullptr,
     "show names up to N characters, a longer name cut with \"...\" (1 to 60; default 30; 10, cut without "
     "\"...\", with an options file)",
     nullptr},
    {I::columns, 0, 0, "columns", V::columns, "FROM-TO", true, false, nullptr,
     "draw only the columns FROM to TO, numbered from 1 (FROM-: to the last); the axis, the weights and the "
     "values name and show the columns' own; every statistic is the whole alignment's",
     nullptr},
    {I::sequences, 0, 0, "sequences", V::text, "LIST", true, false, nullptr,
     "draw only these sequences, in this order: names, numbers from 1 and ranges (3,1,7-9,KPRO_MAIZE/534-810), "
     "or @FILE, one a line; every statistic stays the whole alignment's",
     nullptr},
    {I::reference, 0, 0, "reference", V::text, "NAME", true, false, nullptr,
     "number the column axis by the residues of this sequence (a name or a number from 1; NAME/START-END "
     "counts from START), with no tick over its gaps",
     nullptr},
    {I::numbers, 0, 0, "numbers", V::none, nullptr, true, false, nullptr,
     "end each row of each block with the number of its last residue there", nullptr},
    {I::consensus, 0, 0, "consensus", V::none, nullptr, true, false, nullptr,
     "add a consensus row under the rows: each column's most frequent residue, upper case where it makes up at least "
     "70 % of the column's residues, a gap where fewer than half of the rows hold one",
     nullptr},
    {I::colours, 0, 0, "colours", V::scheme, "NAME", true, false, nullptr,
     "colour the residues by a scheme, named in a legend: groups (the colour-group file's, the default), "
     "clustalx, zappo, taylor, hydrophobicity, identity, nucleotide",
     nullptr},
    {I::gap_colour, 0, 0, "gap-colour", V::colour, "COLOUR", true, false, nullptr,
     "the colour of gaps: black, silver, gray, white, maroon, red, purple, fuchsia, green, lime, olive, yellow, "
     "navy, blue, teal, aqua or #rrggbb (default #e6e6e6, light grey; with an options file black, and "
     "#8c8c8c for fill types other than 0)",
     nullptr},
};

}  // namespace

flag_list f_flags() { return {std::begin(kFlags), std::end(kFlags)}; }

bool f_hasFlag(const flag_spec& flag, program_kind program)
{
    return program == program_kind::vemura ? flag.inVemura : flag.inDorvex;
}

const char* f_flagHelp(const flag_spec& flag, program_kind program)
{
    return program == program_kind::dorvex && flag.dorvexHelp != nullptr ? flag.dorvexHelp : flag.help;
}

const flag_spec* f_settingOfLetter(program_kind program, char letter)
{
    for (const flag_spec& flag : kFlags)
        if (flag.id == flag_id::setting && flag.letter == letter && f_hasFlag(flag, program)) return &flag;
    return nullptr;
}
