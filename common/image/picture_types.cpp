// The table of picture types.
#include "common/image/picture_types.h"

namespace {

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
