// Shared by the core tests: GBK bytes, practice files and entries as text.
#pragma once

#include "core/practice_file.h"
#include "tests/temp_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// GBK bytes, written out so that expectations hold in any execution charset.
#define ZHONG "\xD6\xD0" // 中
#define WEN "\xCE\xC4"   // 文

// An entry as "character|code|reason", every field at its full width.
inline std::string Entry(std::string character, std::string code, std::string reason) {
    character.resize(characterWidth);
    code.resize(codeWidth);
    reason.resize(reasonWidth);
    return character + "|" + code + "|" + reason;
}

// The table's entries from first to last; the backward links and `count` must
// agree with them.
inline std::vector<std::string> Entries(CharTable& table) {
    std::vector<std::string> entries;
    for (CharNode* node = table.first(); node != table.end() && entries.size() <= table.count();
         node = CharTable::next(node)) {
        EXPECT_EQ(CharTable::previous(CharTable::next(node)), node);
        const CharEntry& entry = node->entry;
        entries.push_back(Entry({entry.character, characterWidth}, {entry.code, codeWidth},
                                {entry.reason, reasonWidth}));
    }
    EXPECT_EQ(CharTable::previous(table.first()), table.end());
    EXPECT_EQ(table.count(), entries.size());
    return entries;
}
