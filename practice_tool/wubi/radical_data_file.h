// The radical data: for each character, the radicals its full code takes, one
// per code letter, in order, the identification code included, each as a
// private-use glyph of a radical font. UTF-8 lines "字<TAB>※g1※g2※g3※g4※";
// lines starting with # are comments.
#pragma once

#include "practice_tool/message_ids.h"

#include <functional>
#include <map>
#include <set>
#include <string>

// Calls `visit` with each character of the data and its glyphs, in order.
// False when the file cannot be read or a line is not of that form.
bool ReadRadicalData(const char* path,
                     const std::function<void(char32_t, const std::u32string&)>& visit,
                     Problem& problem);

// The glyphs of every character in `wanted` that the data holds.
bool ReadRadicalData(const char* path, const std::set<char32_t>& wanted,
                     std::map<char32_t, std::u32string>& glyphs, Problem& problem);

// One line of the data, as it is written.
std::string RadicalDataLine(char32_t character, const std::u32string& glyphs);
