#include "test_support.h"

// A cleared table is as good as a new one: its end marker is linked to itself
// and appending starts again from the first position.
TEST(CharTable, KeepsAppendOrderAndClearsToItsEndMarker) {
    CharTable table;
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "new" : "cleared");
        EXPECT_EQ(table.first(), table.end());
        EXPECT_EQ(CharTable::previous(table.end()), table.end());
        EXPECT_TRUE(Entries(table).empty());
        std::vector<std::string> expected;
        for (const char* character : {"a", "b", "c"}) {
            CharEntry entry{};
            entry.character[0] = *character;
            ASSERT_TRUE(table.append(entry));
            expected.push_back(Entry(character, "", ""));
        }
        EXPECT_EQ(Entries(table), expected);
        table.clear();
    }
}
