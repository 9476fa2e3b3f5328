// Shared by the practice-tool tests: files in the temp folder and runs of the
// tool's command line with its reports captured.
#pragma once

#include "tools/practice_tool/input_text.h"
#include "tools/practice_tool/tool.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <process.h>
#define PRACTICE_TOOL_TEST_PID _getpid()
#else
#include <unistd.h>
#define PRACTICE_TOOL_TEST_PID getpid()
#endif

// A path in the temp folder, removed when the test is done; the process id
// keeps parallel runs of several builds apart.
class TempPath {
  public:
    explicit TempPath(const std::string& name)
        : path_(testing::TempDir() + "practice_tool_" + std::to_string(PRACTICE_TOOL_TEST_PID) +
                "_" + name) {
        std::remove(path_.c_str());
    }
    TempPath(const std::string& name, const std::string& bytes) : TempPath(name) { write(bytes); }
    ~TempPath() { std::remove(path_.c_str()); }
    TempPath(const TempPath&) = delete;
    TempPath& operator=(const TempPath&) = delete;

    const char* path() const { return path_.c_str(); }
    void write(const std::string& bytes) const {
        std::FILE* file = std::fopen(path_.c_str(), "wb");
        ASSERT_NE(file, nullptr) << path_;
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    std::string read() const {
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(path_.c_str(), bytes)) << path_;
        return bytes;
    }
    bool exists() const {
        std::FILE* file = std::fopen(path_.c_str(), "rb");
        if (file != nullptr)
            std::fclose(file);
        return file != nullptr;
    }

  private:
    std::string path_;
};

struct ToolRun {
    int exitCode;
    std::string out;
    std::string err;
};

// Runs the tool as its command line would, e.g. RunTool({"check", path}).
inline ToolRun RunTool(const std::vector<std::string>& arguments) {
    TempPath out("stdout"), err("stderr");
    std::vector<std::string> words = {"practice_tool"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(&word[0]);
    argv.push_back(nullptr);
    std::FILE* outFile = std::fopen(out.path(), "wb");
    std::FILE* errFile = std::fopen(err.path(), "wb");
    const int exitCode =
        RunPracticeTool(static_cast<int>(words.size()), argv.data(), outFile, errFile);
    std::fclose(outFile);
    std::fclose(errFile);
    return {exitCode, out.read(), err.read()};
}

// Practice-file text: each line followed by CR LF.
inline std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}
