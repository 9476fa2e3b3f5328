// The practice-file tool's commands: make, check, convert and keys, and making
// a practice file from a text file dropped on the tool.
#pragma once

#include "practice_tool/messages.h"
#include "practice_tool/tool_platform.h"

#include <cstdio>
#include <string>

// Exit codes shared by the commands.
constexpr int exitClean = 0;    // done; nothing to report
constexpr int exitFindings = 1; // check found something, or convert/make refused
constexpr int exitFailed =
    2; // could not run: bad arguments or a file that cannot be read or written

// Where reports (`out`) and errors (`err`) go, and in which language.
struct Streams {
    std::FILE* out;
    std::FILE* err;
    Language language;
};

// Runs the tool with `argv` as its command line. Returns the exit code.
int RunPracticeTool(int argc, char** argv, const Streams& streams);

// The practice file made from a dropped text file goes beside it, named after
// it: "lesson.txt" gives "lesson-wubi.txt", or at the second attempt (when that
// name is taken) "lesson-wubi-2.txt", and so on.
std::string PracticeFileNameFor(const std::string& textPath, unsigned attempt);
