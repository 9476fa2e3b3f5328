// A Wubi table in the Rime dictionary format: an optional YAML header between
// "---" and "...", then lines of text, code, weight and stem separated by tabs;
// lines starting with # are comments.
#pragma once

#include "practice_tool/explain.h"
#include "practice_tool/input_text.h"

#include <map>
#include <set>
#include <string>
#include <vector>

struct TableCode {
    std::string code;
    double weight; // 0 when the line has none
};

// Every code (one to four letters a-y) of every character in `wanted`, in table
// order. Phrases and codes starting with z (the table's lookup key) are skipped.
// False when the file cannot be read or is not UTF-8.
bool ReadWubiTable(const char* path, const std::set<char32_t>& wanted,
                   std::map<char32_t, std::vector<TableCode>>& codes, Problem& problem);

// The full code (the longest; the heaviest of several, then the first) and the
// others, shortest first.
CharCodes SortCodes(const std::vector<TableCode>& codes);
