// Shared by the core tests: GBK bytes, practice files in the temp folder, and
// a table's entries as text that shows every byte of every field.
#pragma once

#include "core/practice_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

// GBK bytes, spelled out so that expectations do not depend on how the
// compiler converts the source's characters.
#define ZHONG "\xD6\xD0" // 中
#define WEN "\xCE\xC4"   // 文

inline const CodePage& Gbk() {
    static const CodePage page = MakeCodePage(936);
    return page;
}

inline std::string Repeat(const std::string& piece, std::size_t times) {
    std::string text;
    while (times-- > 0)
        text += piece;
    return text;
}

// A file with exactly the given bytes, removed when the test is done. The
// process id keeps test runs of several builds apart.
class TempFile {
  public:
    TempFile(const std::string& name, const std::string& bytes)
        : path_(testing::TempDir() + "tarnvel_" + std::to_string(getpid()) + name) {
        std::FILE* file = std::fopen(path_.c_str(), "wb");
        EXPECT_TRUE(file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
        if (file)
            std::fclose(file);
    }
    ~TempFile() { std::remove(path_.c_str()); }
    const char* path() const { return path_.c_str(); }

  private:
    std::string path_;
};

// An entry as "character|code|reason", every byte of every field.
inline std::string Text(const CharEntry& entry) {
    return std::string(entry.character, characterWidth) + "|" + std::string(entry.code, codeWidth) +
           "|" + std::string(entry.reason, reasonWidth);
}

// The text of an entry whose fields hold these bytes, NUL-filled.
inline std::string Entry(std::string character, std::string code, std::string reason) {
    character.resize(characterWidth);
    code.resize(codeWidth);
    reason.resize(reasonWidth);
    return character + "|" + code + "|" + reason;
}

// The table's entries from first to last; the backward links and `count` must
// agree with them.
inline std::vector<std::string> Entries(CharTable& table) {
    std::vector<std::string> forward, backward;
    for (CharNode* node = table.first(); node != table.end() && forward.size() <= table.count();
         node = CharTable::next(node))
        forward.push_back(Text(node->entry));
    for (CharNode* node = CharTable::previous(table.end());
         node != table.end() && backward.size() <= table.count(); node = CharTable::previous(node))
        backward.insert(backward.begin(), Text(node->entry));
    EXPECT_EQ(backward, forward) << "the links disagree";
    EXPECT_EQ(table.count(), forward.size());
    return forward;
}
