// The table of picture types.
//   1. kinds   2. what each type shows (for --help)   3. questions
#include "common/pictures/picture_types.h"

#include <iterator>

namespace {

// ---- 1. kinds ----

using L = picture_layout;
using C = cell_colouring;
using V = value_plot;

// number, vemura tail, dorvex tails, vemura layout, dorvex layout, cells, values, sorted, percent axis, tag
const picture_type kTypes[] = {
    {0, "a", {"a", "b"}, L::residues, L::shifts, C::all, V::none, false, false, {"all", "groups"}},
    {1, "m", {nullptr, nullptr}, L::residues, L::residues, C::dominant_group, V::none, false, false, {"max group", "at column"}},
    {2, "se", {nullptr, nullptr}, L::residues, L::residues, C::selected_groups, V::none, false, false, {nullptr, nullptr}},
    {3, "3", {nullptr, nullptr}, L::residues, L::residues, C::all, V::none, false, false, {nullptr, nullptr}},
    {4, "4", {nullptr, nullptr}, L::residues, L::residues, C::all, V::none, false, false, {nullptr, nullptr}},
    {5, "5", {nullptr, nullptr}, L::residues, L::residues, C::all, V::none, false, false, {nullptr, nullptr}},
    {6, "6", {nullptr, nullptr}, L::residues, L::residues, C::all, V::none, false, false, {nullptr, nullptr}},
    {7, "7", {nullptr, nullptr}, L::residues, L::residues, C::all, V::none, false, false, {nullptr, nullptr}},
    {8, "8", {nullptr, nullptr}, L::residues, L::residues, C::all, V::none, false, false, {nullptr, nullptr}},
    {9, "9", {nullptr, nullptr}, L::residues, L::residues, C::all, V::none, false, false, {nullptr, nullptr}},
    {10, "10", {nullptr, nullptr}, L::residues, L::residues, C::all, V::none, false, false, {nullptr, nullptr}},
    {11, "s1", {nullptr, nullptr}, L::values, L::residues, C::all, V::column_order, false, false, {"column", "values"}},
    {12, "s2", {nullptr, nullptr}, L::values, L::residues, C::all, V::sorted, true, false, {"column", "values"}},
    {13, "13", {nullptr, nullptr}, L::values, L::residues, C::all, V::none, false, false, {"column", "values"}},
    {14, "14", {nullptr, nullptr}, L::values, L::residues, C::all, V::none, false, false, {"column", "values"}},
    {15, "15", {nullptr, nullptr}, L::values, L::residues, C::all, V::none, false, false, {"column", "values"}},
    {16, "16", {nullptr, nullptr}, L::values, L::residues, C::all, V::none, false, false, {"column", "values"}},
    {17, "17", {nullptr, nullptr}, L::values, L::residues, C::all, V::none, false, false, {"column", "values"}},
    {18, "18", {nullptr, nullptr}, L::values, L::residues, C::all, V::none, false, false, {"column", "values"}},
    {19, "19", {nullptr, nullptr}, L::values, L::residues, C::all, V::none, false, false, {"column", "values"}},
    {20, "20", {nullptr, nullptr}, L::values, L::residues, C::all, V::none, false, false, {"column", "values"}},
    {21, "sc1", {"ac1", "bc1"}, L::comparison, L::comparison, C::all, V::two_alignments, true, true, {"column", "values"}},
    {22, "sc2", {"ac2", "bc2"}, L::comparison, L::comparison, C::all, V::two_alignments, true, false, {"column", "values"}},
    {30, nullptr, {"ag", "bg"}, L::agreement, L::agreement, C::all, V::none, false, false, {nullptr, nullptr}},
    {31, nullptr, {"methods", nullptr}, L::methods, L::methods, C::all, V::none, false, false, {nullptr, nullptr}},
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
    {31, nullptr, "with --reference: each method's column agreement with the reference, one band per method"},
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
