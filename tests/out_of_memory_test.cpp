// Loading when memory runs out. The table takes its nodes, a block at a time,
// from the nothrow operator new, which this program replaces with one that can
// be told to fail.
#include "core/drill.h"

#include "test_support.h"

#include <algorithm>
#include <new>

// How many more nothrow allocations succeed; negative means all of them.
static long allocationsLeft = -1;

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    if (allocationsLeft == 0)
        return nullptr;
    if (allocationsLeft > 0)
        --allocationsLeft;
    return ::operator new(size); // what the table's delete pairs with
}

// The entries complete before memory ran out stay loaded with `current` on the
// first, the caller hears of it, and the tries start afresh as after any load;
// a load with memory to spare is whole, and a reload refills the blocks kept.
TEST(OutOfMemory, LoadKeepsTheEntriesReadSoFar) {
    constexpr long perBlock = CharTable::nodesPerBlock, groups = 2 * perBlock + 1;
    std::string text;
    std::vector<std::string> entries;
    for (long i = 0; i < groups; ++i) {
        text += "a\nb\n" + std::to_string(i) + "\n";
        entries.push_back(Entry("a", "b", std::to_string(i)));
    }
    TempFile file("groups", text);
    for (long room = 0; room <= 3; ++room) {
        SCOPED_TRACE(room);
        charTable.clear(); // no blocks kept from the last load
        wrongAnswers = 2;
        allocationsLeft = room;
        const LoadResult result = LoadDrillMaterial(file.path.c_str());
        allocationsLeft = -1;
        const long loaded = std::min(groups, room * perBlock);
        EXPECT_EQ(result, room < 3 ? LoadResult::outOfMemory : LoadResult::loaded);
        EXPECT_EQ(Entries(charTable), std::vector(entries.begin(), entries.begin() + loaded));
        EXPECT_EQ(current, charTable.first());
        EXPECT_EQ(wrongAnswers, 0);
    }
    allocationsLeft = 0;
    EXPECT_EQ(LoadDrillMaterial(file.path.c_str()), LoadResult::loaded);
    allocationsLeft = -1;
    EXPECT_EQ(Entries(charTable), entries);
}
