// Shared by the practice-tool tests: temporary files and runs of the command line.
#pragma once

#include "practice_tool/commands.h"
#include "practice_tool/tool_platform.h"
#include "tests/temp_file.h"

#include <gtest/gtest.h>

#include <tuple>

// Runs the command line `words` as the tool's main does: the exit code, then the
// output and the errors as the console shows them.
inline std::pair<int, std::string> RunTool(std::vector<std::string> words,
                                           Language language = Language::english) {
    TempFile out("stdout"), err("stderr");
    words.insert(words.begin(), "practice_tool");
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(&word[0]);
    Streams streams{std::fopen(out.path.c_str(), "wb"), std::fopen(err.path.c_str(), "wb"),
                    language};
    const int exitCode = RunPracticeTool(static_cast<int>(words.size()), argv.data(), streams);
    std::fclose(streams.out), std::fclose(streams.err);
    return {exitCode, out.read() + err.read()};
}
