// What check found, as the console shows it: the entries with their lines and
// each finding in the form compilers use.
#pragma once

#include "practice_tool/check.h"
#include "practice_tool/messages.h"

#include <cstdio>

// Lists the entries (unless `quiet`) and the findings, each finding as
// "path:line: warning: ...", and a closing count.
void PrintCheckResult(std::FILE* out, Language language, const char* path,
                      const CheckResult& result, bool quiet);

// "path:line: error: ..." or "path: warning: ..." for a line-less problem.
void PrintProblem(std::FILE* stream, Language language, const char* path, const Problem& problem,
                  Msg kind);
