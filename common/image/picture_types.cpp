// The table of picture types.
//   1. kinds   2. what each type shows (for --help)   3. questions
#include "common/image/picture_types.h"

#include <iterator>

namespace {

// ---- 1. kinds ----

using L = picture_layout;

// number, vemura tail, dorvex tails, vemura layout, tagged, value layout, sorted, comparison
const picture_type kTypes[] = {
    {0, "a", {"a", "b"}, L::residues, true, false, false, false},
    {1, "m", {nullptr, nullptr}, L::residues, true, false, false, false},
    {2, "se", {nullptr, nullptr}, L::residues, true, false, false, false},
    {3, "3", {nullptr, nullptr}, L::residues, false, false, false, false},
    {4, "4", {nullptr, nullptr}, L::residues, false, false, false, false},
    {5, "5", {nullptr, nullptr}, L::residues, false, false, false, false},
    {6, "6", {nullptr, nullptr}, L::residues, false, false, false, false},
    {7, "7", {nullptr, nullptr}, L::residues, false, false, false, false},
    {8, "8", {nullptr, nullptr}, L::residues, false, false, false, false},
    {9, "9", {nullptr, nullptr}, L::residues, false, false, false, false},
    {10, "10", {nullptr, nullptr}, L::residues, false, false, false, false},
    {11, "s1", {nullptr, nullptr}, L::values, true, true, false, false},
    {12, "s2", {nullptr, nullptr}, L::values, true, true, true, false},
    {13, "13", {nullptr, nullptr}, L::values, true, true, false, false},
    {14, "14", {nullptr, nullptr}, L::values, true, true, false, false},
    {15, "15", {nullptr, nullptr}, L::values, true, true, false, false},
    {16, "16", {nullptr, nullptr}, L::values, true, true, false, false},
    {17, "17", {nullptr, nullptr}, L::values, true, true, false, false},
    {18, "18", {nullptr, nullptr}, L::values, true, true, false, false},
    {19, "19", {nullptr, nullptr}, L::values, true, true, false, false},
    {20, "20", {nullptr, nullptr}, L::values, true, true, false, false},
    {21, "sc1", {"ac1", "bc1"}, L::comparison, true, true, true, true},
    {22, "sc2", {"ac2", "bc2"}, L::comparison, true, true, true, true},
    {30, nullptr, {"ag", "bg"}, L::agreement, false, false, false, false},
};

// ---- 2. what each type shows (for --help) ----

// Kept beside the kinds rather than in them: the drivers read the kinds, only the help reads this.
struct picture_summary {
    int number;
    const char* vemura;  // null when vemura does not draw the type
    const char* dorvex;  // null when dorvex does not draw it
};

const char* const kUntagged = "as 0, without the tag";
const char* const kBare = "the column-value layout without the plot";

const picture_summary kSummaries[] = {
    {0, "residues coloured by colour group, tagged \"all groups\"",
     "each alignment's residue shifts against the other, one strip per sequence"},
    {1, "only the residues of each column's most frequent group", nullptr},
    {2, "only the residues of the selected groups (s, --select)", nullptr},
    {3, kUntagged, nullptr},  {4, kUntagged, nullptr},  {5, kUntagged, nullptr},
    {6, kUntagged, nullptr},  {7, kUntagged, nullptr},  {8, kUntagged, nullptr},
    {9, kUntagged, nullptr},  {10, kUntagged, nullptr},
    {11, "column values in column order", nullptr},
    {12, "column values, each sorted", nullptr},
    {13, kBare, nullptr}, {14, kBare, nullptr}, {15, kBare, nullptr}, {16, kBare, nullptr},
    {17, kBare, nullptr}, {18, kBare, nullptr}, {19, kBare, nullptr}, {20, kBare, nullptr},
    {21, "sorted column values against a changed copy, percent axis",
     "sorted column values of both alignments, percent axis"},
    {22, "sorted column values against a changed copy, column axis",
     "sorted column values of both alignments, column axis"},
    {30, nullptr, "each alignment coloured by its agreement with the other"},
};

}  // namespace

// ---- 3. questions ----

picture_type_list f_pictureTypes() { return {std::begin(kTypes), std::end(kTypes)}; }

const char* f_pictureSummary(program_kind program, int number)
{
    for (const picture_summary& summary : kSummaries)
        if (summary.number == number) return program == program_kind::vemura ? summary.vemura : summary.dorvex;
    return nullptr;
}

const picture_type* f_pictureType(int number)
{
    for (const picture_type& type : kTypes)
        if (type.number == number) return &type;
    return nullptr;
}

bool f_drawsPicture(program_kind program, int number)
{
    const picture_type* type = f_pictureType(number);
    if (type == nullptr) return false;
    return program == program_kind::vemura ? type->vemuraTail != nullptr : type->dorvexTails[0] != nullptr;
}
