#include "test_support.h"

// A cleared table is as good as a new one: its end marker is linked to itself
// and appending starts again from the first position.
TEST(CharTable, KeepsAppendOrderAndClearsToItsEndMarker) {
    CharTable table;
    for (const char* round : {"new", "cleared"}) {
        SCOPED_TRACE(round);
        EXPECT_TRUE(Entries(table).empty());
        for (const CharEntry& entry :
             {CharEntry{"a", "", ""}, CharEntry{"b", "", ""}, CharEntry{"c", "", ""}})
            ASSERT_TRUE(table.append(entry));
        EXPECT_EQ(Entries(table),
                  (std::vector{Entry("a", "", ""), Entry("b", "", ""), Entry("c", "", "")}));
        table.clear();
    }
}
