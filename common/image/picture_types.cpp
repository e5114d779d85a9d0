// The table of picture types.
#include "common/image/picture_types.h"

namespace {

using L = picture_layout;
using C = cell_colouring;
using V = value_plot;

// number, vemura tail, dorvex tails, layout, cells, values, sorted, percent axis, tag
const picture_type kTypes[] = {
    {0, "a", {"a", "b"}, L::residues, C::all, V::none, false, false, {"all", "groups"}},
    {1, "m", {nullptr, nullptr}, L::residues, C::dominant_group, V::none, false, false, {"max group", "at column"}},
    {2, "se", {nullptr, nullptr}, L::residues, C::selected_groups, V::none, false, false, {nullptr, nullptr}},
    {3, "3", {nullptr, nullptr}, L::residues, C::all, V::none, false, false, {nullptr, nullptr}},
    {4, "4", {nullptr, nullptr}, L::residues, C::all, V::none, false, false, {nullptr, nullptr}},
    {5, "5", {nullptr, nullptr}, L::residues, C::all, V::none, false, false, {nullptr, nullptr}},
    {6, "6", {nullptr, nullptr}, L::residues, C::all, V::none, false, false, {nullptr, nullptr}},
    {7, "7", {nullptr, nullptr}, L::residues, C::all, V::none, false, false, {nullptr, nullptr}},
    {8, "8", {nullptr, nullptr}, L::residues, C::all, V::none, false, false, {nullptr, nullptr}},
    {9, "9", {nullptr, nullptr}, L::residues, C::all, V::none, false, false, {nullptr, nullptr}},
    {10, "10", {nullptr, nullptr}, L::residues, C::all, V::none, false, false, {nullptr, nullptr}},
    {11, "s1", {nullptr, nullptr}, L::values, C::all, V::column_order, false, false, {"column", "values"}},
    {12, "s2", {nullptr, nullptr}, L::values, C::all, V::sorted, true, false, {"column", "values"}},
    {13, "13", {nullptr, nullptr}, L::values, C::all, V::none, false, false, {"column", "values"}},
    {14, "14", {nullptr, nullptr}, L::values, C::all, V::none, false, false, {"column", "values"}},
    {15, "15", {nullptr, nullptr}, L::values, C::all, V::none, false, false, {"column", "values"}},
    {16, "16", {nullptr, nullptr}, L::values, C::all, V::none, false, false, {"column", "values"}},
    {17, "17", {nullptr, nullptr}, L::values, C::all, V::none, false, false, {"column", "values"}},
    {18, "18", {nullptr, nullptr}, L::values, C::all, V::none, false, false, {"column", "values"}},
    {19, "19", {nullptr, nullptr}, L::values, C::all, V::none, false, false, {"column", "values"}},
    {20, "20", {nullptr, nullptr}, L::values, C::all, V::none, false, false, {"column", "values"}},
    {21, "sc1", {"ac1", "bc1"}, L::comparison, C::all, V::two_alignments, true, true, {"column", "values"}},
    {22, "sc2", {"ac2", "bc2"}, L::comparison, C::all, V::two_alignments, true, false, {"column", "values"}},
    {30, nullptr, {"ag", "bg"}, L::agreement, C::all, V::none, false, false, {nullptr, nullptr}},
};

}  // namespace

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
