// A file of the test's own in the temp folder, removed when the test is done.
// The process id keeps the runs of several build trees apart.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>

struct TempFile {
    explicit TempFile(const std::string& name)
        : path(testing::TempDir() + "tarnvel_" + std::to_string(getpid()) + name) {
        std::remove(path.c_str());
    }
    // A file with exactly the given bytes.
    TempFile(const std::string& name, const std::string& bytes) : TempFile(name) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        EXPECT_TRUE(file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                    std::fclose(file) == 0);
    }
    ~TempFile() { std::remove(path.c_str()); }
    std::string read() const { // "" when there is no such file
        std::string bytes;
        if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
            for (int c; (c = std::fgetc(file)) != EOF;)
                bytes += static_cast<char>(c);
            std::fclose(file);
        }
        return bytes;
    }
    const std::string path;
};
