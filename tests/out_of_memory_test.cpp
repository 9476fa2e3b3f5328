// Loading when memory runs out. The table takes its nodes, a block at a time,
// from the nothrow operator new, which this test program replaces with one
// that can be told to fail; it passes everything else on to the ordinary
// operator new, so that allocation and release stay paired for the sanitizers.
#include "core/drill.h"

#include "test_support.h"

#include <new>

namespace {

// How many more nothrow allocations succeed; negative means all of them.
long allocationsLeft = -1;

// Lets `count` nothrow allocations succeed, then fails every later one, until
// the guard goes out of scope.
class FailingAllocations {
  public:
    explicit FailingAllocations(long count) { allocationsLeft = count; }
    ~FailingAllocations() { allocationsLeft = -1; }
    FailingAllocations(const FailingAllocations&) = delete;
    FailingAllocations& operator=(const FailingAllocations&) = delete;
};

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

namespace {

std::string Groups(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::string(1, static_cast<char>('a' + i % 26)) + "\ncode\nreason " +
                std::to_string(i) + "\n";
    return text;
}

std::vector<CharEntry> FirstEntries(int count) {
    std::vector<CharEntry> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(MakeEntry(std::string(1, static_cast<char>('a' + i % 26)), "code",
                                    "reason " + std::to_string(i)));
    return entries;
}

// The entries complete before memory ran out stay loaded and linked both
// ways, `current` stands on the first, and the caller hears of it. The earlier
// load leaves the table one block to refill before it needs another.
TEST(OutOfMemory, LoadKeepsTheEntriesReadSoFar) {
    constexpr int perBlock = CharTable::nodesPerBlock;
    constexpr int groups = 2 * perBlock + 1;
    TempFile file("groups", Groups(groups));
    TempFile old("old", Groups(2));
    const CodePage gbk = MakeCodePage(936);
    for (int room = 0; room <= 2; ++room) {
        SCOPED_TRACE("room for " + std::to_string(room) + " more blocks");
        CharTable table;
        CharNode* cursor = nullptr;
        ASSERT_EQ(LoadPracticeFile(old.path(), table, cursor, gbk), LoadResult::loaded);
        LoadResult result;
        {
            FailingAllocations guard(room);
            result = LoadPracticeFile(file.path(), table, cursor, gbk);
        }
        EXPECT_EQ(result, room < 2 ? LoadResult::outOfMemory : LoadResult::loaded);
        ExpectTable(table, FirstEntries(std::min(groups, (room + 1) * perBlock)));
        EXPECT_EQ(cursor, table.first());

        // The table stays usable: the next load with memory to spare is whole.
        EXPECT_EQ(LoadPracticeFile(file.path(), table, cursor, gbk), LoadResult::loaded);
        ExpectTable(table, FirstEntries(groups));
    }
}

// The material was replaced, so the tries start afresh as after any load.
TEST(OutOfMemory, DrillStartsOnWhatWasLoaded) {
    TempFile file("groups", Groups(CharTable::nodesPerBlock + 1));
    charTable.clear(); // no memory kept from earlier loads
    wrongAnswers = 2;
    {
        FailingAllocations guard(1);
        EXPECT_EQ(LoadDrillMaterial(file.path()), LoadResult::outOfMemory);
    }
    EXPECT_EQ(wrongAnswers, 0);
    EXPECT_EQ(charTable.count(), CharTable::nodesPerBlock);
    EXPECT_EQ(current, charTable.first());
    charTable.clear();
    current = charTable.end();
}

} // namespace
