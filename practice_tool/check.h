// Reads a practice file exactly as the program loads it and finds what is
// surely not what its author meant. Reports by message id only, so that it
// can be fuzzed without the message texts.
#pragma once

#include "practice_tool/message_ids.h"

#include "core/char_table.h"

#include <string>
#include <vector>

// Where a line that the loader read begins: a line of the file, counted from 1,
// and the byte offset in it (not 0 only where a long line was cut up).
struct LinePlace {
    unsigned line;
    unsigned offset;
};

struct CheckedEntry {
    CharEntry entry;
    LinePlace lines[3]; // character, code, reason
};

struct CheckResult {
    std::vector<CheckedEntry> entries;
    std::vector<Problem> findings; // in file order, whole-file ones first
};

// False when the file cannot be read.
bool CheckPracticeFile(const char* path, CheckResult& result);
