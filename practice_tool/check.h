// Reads a practice file exactly as the program loads it and finds what is
// surely not what its author meant.
#pragma once

#include "practice_tool/messages.h"

#include "core/char_table.h"

#include <cstdio>
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

// Adds a finding for each entry whose code (of letters) is not one of its
// character's codes in the Wubi table at `tablePath`, of the version numbered
// `version` ("86"). False, with `problem`, when the table cannot be read.
bool CheckCodes(const char* tablePath, const char* version, CheckResult& result, Problem& problem);

// Lists the entries (unless `quiet`) and the findings, each finding as
// "path:line: warning: ...", and a closing count.
void PrintCheckResult(std::FILE* out, Language language, const char* path,
                      const CheckResult& result, bool quiet);

// "path:line: error: ..." or "path: warning: ..." for a line-less problem.
void PrintProblem(std::FILE* stream, Language language, const char* path, const Problem& problem,
                  Msg kind);
