// Loading when memory runs out. The table takes its nodes from the nothrow
// operator new, which this program replaces with one that can be told to fail.
#include "core/drill.h"

#include "test_support.h"

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
// the next load with memory to spare is whole.
TEST(OutOfMemory, LoadKeepsTheEntriesReadSoFar) {
    TempFile file("three", "a\nb\nc\nd\ne\nf\ng\nh\ni\n");
    const std::vector entries = {Entry("a", "b", "c"), Entry("d", "e", "f"), Entry("g", "h", "i")};
    for (long room = 0; room <= 3; ++room) {
        SCOPED_TRACE(room);
        wrongAnswers = 2;
        allocationsLeft = room;
        const LoadResult result = LoadDrillMaterial(file.path.c_str());
        allocationsLeft = -1;
        EXPECT_EQ(result, room < 3 ? LoadResult::outOfMemory : LoadResult::loaded);
        EXPECT_EQ(Entries(charTable), std::vector(entries.begin(), entries.begin() + room));
        EXPECT_EQ(current, charTable.first());
        EXPECT_EQ(wrongAnswers, 0);
    }
}
