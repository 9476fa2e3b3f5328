// Shared by the practice-tool tests: temporary files and runs of the command line.
#pragma once

#include "tools/practice_tool/input_text.h"
#include "tools/practice_tool/tool.h"
#include "tools/practice_tool/tool_platform.h"

#include <gtest/gtest.h>

#include <tuple>

// A file in the test's temp folder (one per build tree), removed when the test is done.
struct TempPath {
    explicit TempPath(const std::string& name) : path(testing::TempDir() + name) {
        std::remove(path.c_str());
    }
    TempPath(const std::string& name, const std::string& bytes) : TempPath(name) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    ~TempPath() { std::remove(path.c_str()); }
    std::string read() const { // "" when there is no such file
        std::string bytes;
        ReadWholeFile(path.c_str(), bytes);
        return bytes;
    }
    const std::string path;
};

// Runs the command line `words` as the tool's main does: the exit code, then the
// output and the errors as the console shows them.
inline std::pair<int, std::string> RunTool(std::vector<std::string> words,
                                           Language language = Language::english) {
    TempPath out("stdout"), err("stderr");
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
