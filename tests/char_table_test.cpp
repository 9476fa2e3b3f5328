#include "core/char_table.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

CharEntry MakeEntry(const char* character) {
    CharEntry entry{};
    std::strncpy(entry.character, character, sizeof entry.character - 1);
    return entry;
}

TEST(CharTable, WalksBothWaysInAppendOrderAndClears) {
    CharTable table;
    EXPECT_EQ(table.count(), 0u);
    EXPECT_EQ(table.first(), table.end());

    const char* characters[] = {"a", "b", "c"};
    for (const char* character : characters)
        ASSERT_TRUE(table.append(MakeEntry(character)));
    EXPECT_EQ(table.count(), 3u);

    CharNode* position = table.first();
    for (const char* character : characters) {
        ASSERT_NE(position, table.end());
        EXPECT_STREQ(position->entry.character, character);
        position = CharTable::next(position);
    }
    EXPECT_EQ(position, table.end());
    for (int i = 2; i >= 0; --i) {
        position = CharTable::previous(position);
        EXPECT_STREQ(position->entry.character, characters[i]);
    }
    EXPECT_EQ(CharTable::previous(position), table.end());

    table.clear();
    EXPECT_EQ(table.count(), 0u);
    EXPECT_EQ(table.first(), table.end());
    EXPECT_EQ(CharTable::previous(table.end()), table.end());
}

TEST(CharTable, CopiesWholeEntries) {
    CharTable table;
    CharEntry entry{};
    std::memset(&entry, 0x5A, sizeof entry);
    ASSERT_TRUE(table.append(entry));
    std::memset(&entry, 0, sizeof entry);
    EXPECT_EQ(
        std::memcmp(&table.first()->entry, std::string(sizeof entry, 'Z').data(), sizeof entry), 0);
}

} // namespace
