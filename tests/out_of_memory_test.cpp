// Loading when memory runs out. The table takes its nodes from the nothrow
// operator new, which this test program replaces with one that can be told to
// fail; it passes everything else on to the ordinary operator new, so that
// allocation and release stay paired for the sanitizers.
#include "core/drill.h"

#include "test_support.h"

#include <new>

namespace {

// How many more nothrow allocations succeed; negative means all of them.
long allocationsLeft = -1;

} // namespace

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    if (allocationsLeft == 0)
        return nullptr;
    if (allocationsLeft > 0)
        --allocationsLeft;
    try {
        return ::operator new(size);
    } catch (...) {
        return nullptr;
    }
}

void operator delete(void* pointer, const std::nothrow_t&) noexcept {
    ::operator delete(pointer);
}

// The entries complete before memory ran out stay loaded with `current` on the
// first, the caller hears of it, and the tries start afresh as after any load;
// the next load with memory to spare is whole.
TEST(OutOfMemory, LoadKeepsTheEntriesReadSoFar) {
    std::string bytes;
    std::vector<std::string> entries;
    for (const char* character : {"a", "b", "c"}) {
        bytes += character + std::string("\ncode\nreason\n");
        entries.push_back(Entry(character, "code", "reason"));
    }
    TempFile file("three", bytes);
    for (long room = 0; room <= 3; ++room) {
        SCOPED_TRACE(room);
        wrongAnswers = 2;
        allocationsLeft = room;
        const LoadResult result = LoadDrillMaterial(file.path());
        allocationsLeft = -1;
        EXPECT_EQ(result, room < 3 ? LoadResult::outOfMemory : LoadResult::loaded);
        EXPECT_EQ(Entries(charTable), std::vector(entries.begin(), entries.begin() + room));
        EXPECT_EQ(current, charTable.first());
        EXPECT_EQ(wrongAnswers, 0);
    }
}
