// The course that comes with the program, one per Wubi version: numbered
// lessons from the radicals on their keys to the 1,500 most common characters,
// each at most `mostLessonEntries` entries with its repeats. Made with "make"
// from the shipped data, so that a learner's own files and the course agree.
#pragma once

#include "practice_tool/wubi/version.h"

#include <cstddef>
#include <string>
#include <vector>

constexpr std::size_t mostLessonEntries = 200;

// Writes the course of `version` into `outFolder` (ending in a separator) from
// the data in `dataFolder` (likewise), adding the names of the files to
// `written`. False with `failure` saying why.
bool WriteSamples(WubiVersion version, const std::string& dataFolder, const std::string& outFolder,
                  std::vector<std::string>& written, std::string& failure);
