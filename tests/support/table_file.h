// Test support: tables of expectations under tests/data, a case a line, its fields separated by
// tabs; in a field "\n", "\r", "\t", "\\" and "\xHH" stand for their bytes, and a list is its
// entries each followed by ";". "#" lines and empty lines are comments.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "test_paths.h"

using table_row = std::vector<std::string>;

// The rows of the table at path (under tests/data), each with at least fields fields. Throws
// std::runtime_error when it holds none.
inline std::vector<table_row> read_table(const std::string& path, std::size_t fields)
{
    std::ifstream in(std::string(TEST_DATA_DIR) + "/" + path);
    std::vector<table_row> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        rows.emplace_back(1);
        for (std::size_t i = 0; i < line.size(); ++i) {
            char c = line[i];
            if (c == '\t') {
                rows.back().emplace_back();
                continue;
            }
            if (c == '\\' && i + 3 < line.size() && line[i + 1] == 'x') {
                c = static_cast<char>(std::stoi(line.substr(i + 2, 2), nullptr, 16));
                i += 3;
            } else if (c == '\\' && i + 1 < line.size()) {
                c = line[++i], c = c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
            }
            rows.back().back() += c;
        }
        rows.back().resize(std::max(rows.back().size(), fields));
    }
    // A table that is missing or empty would pass every test that walks it.
    if (rows.empty()) throw std::runtime_error(path + " holds no row");
    return rows;
}

// The entries of a list field.
inline std::vector<std::string> list_of(const std::string& field)
{
    std::vector<std::string> entries;
    for (std::size_t from = 0, end; (end = field.find(';', from)) != std::string::npos; from = end + 1)
        entries.push_back(field.substr(from, end - from));
    return entries;
}
