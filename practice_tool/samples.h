// The practice files that come with the program, one set per Wubi version:
// the key-name characters, the one-letter and (by zone) two-letter short
// codes, the characters that are radicals of their own (86) and the 1,000
// most common characters of GB2312 in two files. Made with "make" from the
// shipped data, so that a learner's own files and the samples agree.
#pragma once

#include "practice_tool/wubi_table.h"
#include "practice_tool/wubi_version.h"

#include <string>
#include <vector>

// A character of the basic national set (GB2312), what learners drill: its
// GBK form lies in the rows of Chinese characters, B0A1 to F7FE.
bool InGb2312(char32_t character);

// The `count` most common characters of GB2312 (of the 6,763, at most): by the
// weight of their full code in the Wubi 86 table, the heaviest first; ties
// keep the table's order. The samples take the first 1,000.
std::u32string FrequentCharacters(const RimeTable& table86, std::size_t count);

// Writes the set of `version` into `outFolder` (ending in a separator) from the
// data in `dataFolder` (likewise), adding the names of the files to `written`.
// False with `failure` saying why.
bool WriteSamples(WubiVersion version, const std::string& dataFolder, const std::string& outFolder,
                  std::vector<std::string>& written, std::string& failure);
