// Residue colour groups: the group list (from a group file or a standard set), the group of a
// residue, the per-column group statistics, and membership tests on number lists.
#pragma once
#include <array>
#include <string>
#include <vector>

// Appends the colour groups to groups: from fileName, or, when fileName is empty, from
// "color10.def" (protein) or "color5.def" (molType 1, nucleotide) after the "undefinite" trace.
// The file is looked up as f_openDataFile does (common/io/data_files.h).
// When the file cannot be opened, prints "\n Can't open group file ..." and appends the standard
// set of the molecule type. Returns 1 when the groups came from a file, 2 for a standard set.
// names, when given, receives each group's name: the text before its ":" ("small: A; G;"), without
// the blanks around it; "" for the standard sets.
int f_getColorGroups(std::string fileName, std::vector<std::string>& groups, int molType,
                     std::vector<std::string>* names = nullptr);

// The group number of residue c (raised to upper case): -2 for "-", the first group holding it,
// else the last group (the catch-all); -1 when there are no groups.
int f_findGroup(char c, const std::vector<std::string>& groups);

// f_findGroup for every byte value at once, for loops over whole alignments.
std::array<int, 256> f_groupTable(const std::vector<std::string>& groups);

// Fills domGroup (one entry per column of the first row, sized by the caller) with the most
// frequent group of each column (ties to the lower number, gap-only columns 0) and share (one
// entry per group, sized by the caller) with each group's share of the cells in percent, over
// (columns + 1) x (rows + 1). A position past the end of a shorter row counts as a gap.
void f_statGroup(const std::vector<std::string>& rows, const std::vector<std::string>& groups,
                 std::vector<int>& domGroup, std::vector<double>& share);

// f_statGroup for the dominant groups alone.
void f_statGroup(const std::vector<std::string>& rows, const std::vector<std::string>& groups,
                 std::vector<int>& domGroup);

// True when g occurs in list.
bool is_selGroup(const std::vector<int>& list, int g);

// True when t occurs in list.
bool f_findType(const std::vector<int>& list, int t);

// The smallest value in list; 999 when the list is empty.
int f_minSelGroup(const std::vector<int>& list);
