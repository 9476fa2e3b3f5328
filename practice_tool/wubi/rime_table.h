// A Wubi table in the Rime dictionary format: opening comments, a YAML header
// between "---" and "...", then lines of text, code and weight (and more
// columns) separated by tabs; lines starting with # are comments. Both tables
// the tool ships are in this format: Wubi 86 with weights, Wubi 98 without,
// its characters ranked by their order.
#pragma once

#include "practice_tool/message_ids.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// A single character's line of the table with a Wubi code, as written.
struct RimeEntry {
    char32_t character;
    std::string code;
    std::string weight; // "" when the line has none
};

struct RimeTable {
    std::vector<std::string> comments; // the comment lines before the header
    std::vector<std::string> header;   // the lines between "---" and "..."
    std::vector<RimeEntry> entries;    // in table order
};

// Reads every single character's entry with a Wubi code (one to four letters
// a-y); phrases and codes starting with z (the table's lookup key) are left
// out. False when the file cannot be read or is not UTF-8.
bool ReadRimeTable(const char* path, RimeTable& table, Problem& problem);

struct TableCode {
    std::string code;
    double weight; // 0 when the line has none
};

using CodesOfCharacters = std::map<char32_t, std::vector<TableCode>>;

// Every code of every character of `table` (of those in `wanted`, when given),
// in table order.
CodesOfCharacters CodesByCharacter(const RimeTable& table,
                                   const std::set<char32_t>* wanted = nullptr);

// Every code of every character in `wanted`, in table order.
bool ReadWubiTable(const char* path, const std::set<char32_t>& wanted, CodesOfCharacters& codes,
                   Problem& problem);

struct CharCodes {
    std::string full;                 // the longest code, lower case
    std::vector<std::string> shorter; // the other codes, shortest first
};

// The full code (the longest; the heaviest of several, then the first) and the
// others, shortest first.
CharCodes SortCodes(const std::vector<TableCode>& codes);

// The weight of a character's full code, 0 for one the table lacks.
double FullCodeWeight(const std::vector<TableCode>& codes);

// The `count` most common characters of GB2312 (of the 6,763, at most): by the
// weight of their full code in `table` (Wubi 86's), the heaviest first; ties
// keep the table's order.
std::u32string FrequentCharacters(const RimeTable& table, std::size_t count);
