// The practice-file tool's commands: check, convert, make and keys.
#pragma once

#include <cstdio>

// Exit codes shared by the commands.
constexpr int exitClean = 0;    // done; nothing to report
constexpr int exitFindings = 1; // check found something, or convert/make refused
constexpr int exitFailed =
    2; // could not run: bad arguments or a file that cannot be read or written

// Runs the tool with `argv` as its command line; reports go to `out`, errors
// to `err`. Returns the exit code.
int RunPracticeTool(int argc, char** argv, std::FILE* out, std::FILE* err);
