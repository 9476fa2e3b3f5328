// The practice files that come with the program, one set per Wubi version:
// the key-name characters, the one-letter and (by zone) two-letter short
// codes, the characters that are radicals of their own (86) and the 1,000
// most common characters of GB2312 in two files. Made with "make" from the
// shipped data, so that a learner's own files and the samples agree.
#pragma once

#include "practice_tool/wubi/version.h"

#include <string>
#include <vector>

// Writes the set of `version` into `outFolder` (ending in a separator) from the
// data in `dataFolder` (likewise), adding the names of the files to `written`.
// False with `failure` saying why.
bool WriteSamples(WubiVersion version, const std::string& dataFolder, const std::string& outFolder,
                  std::vector<std::string>& written, std::string& failure);
