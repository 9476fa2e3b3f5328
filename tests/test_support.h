// Shared by the core tests: practice files in the temp folder, entries built
// from their field texts, and walks over a table in both directions.
#pragma once

#include "core/char_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <process.h>
#define TARNVEL_PROCESS_ID _getpid()
#else
#include <unistd.h>
#define TARNVEL_PROCESS_ID getpid()
#endif

// A file with exactly the given bytes, removed when the test is done. The
// process id keeps parallel runs of several builds apart.
class TempFile {
  public:
    TempFile(const std::string& name, const std::string& bytes)
        : path_(testing::TempDir() + "tarnvel_" + std::to_string(TARNVEL_PROCESS_ID) + "_" + name) {
        std::FILE* file = std::fopen(path_.c_str(), "wb");
        EXPECT_NE(file, nullptr) << path_;
        if (file == nullptr)
            return;
        EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
        std::fclose(file);
    }
    ~TempFile() { std::remove(path_.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const char* path() const { return path_.c_str(); }

  private:
    std::string path_;
};

// An entry whose fields hold the given bytes and NUL in every other byte, as
// the loader leaves them.
inline CharEntry MakeEntry(const std::string& character, const std::string& code,
                           const std::string& reason) {
    CharEntry entry{};
    std::memcpy(entry.character, character.data(),
                std::min(character.size(), sizeof entry.character));
    std::memcpy(entry.code, code.data(), std::min(code.size(), sizeof entry.code));
    std::memcpy(entry.reason, reason.data(), std::min(reason.size(), sizeof entry.reason));
    return entry;
}

// Every byte of every field, so that a failure shows which byte differs.
inline void ExpectSameBytes(const CharEntry& actual, const CharEntry& expected) {
    EXPECT_EQ(std::string(actual.character, sizeof actual.character),
              std::string(expected.character, sizeof expected.character));
    EXPECT_EQ(std::string(actual.code, sizeof actual.code),
              std::string(expected.code, sizeof expected.code));
    EXPECT_EQ(std::string(actual.reason, sizeof actual.reason),
              std::string(expected.reason, sizeof expected.reason));
}

// The entries met walking next from the first position to the end marker.
inline std::vector<CharEntry> WalkForward(CharTable& table) {
    std::vector<CharEntry> entries;
    for (CharNode* node = table.first(); node != table.end() && entries.size() <= table.count();
         node = CharTable::next(node))
        entries.push_back(node->entry);
    return entries;
}

// The number of nodes met walking previous from the end marker back to it.
inline std::size_t CountBackward(CharTable& table) {
    std::size_t steps = 0;
    for (CharNode* node = CharTable::previous(table.end());
         node != table.end() && steps <= table.count(); node = CharTable::previous(node))
        ++steps;
    return steps;
}

// The table holds exactly `expected`, in order, with `count` and both link
// directions agreeing.
inline void ExpectTable(CharTable& table, const std::vector<CharEntry>& expected) {
    std::vector<CharEntry> entries = WalkForward(table);
    ASSERT_EQ(entries.size(), expected.size());
    EXPECT_EQ(table.count(), expected.size());
    EXPECT_EQ(CountBackward(table), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        ExpectSameBytes(entries[i], expected[i]);
    }
}
