// Feeds arbitrary bytes to the practice-file loader as the file's content. The
// file lives in memory (memfd) and is opened by path, so the real open, read
// and copy code runs. Checks that whatever the bytes, the table is sound: every
// field is terminated within its width, the links agree in both directions,
// `count` matches them, the cursor is on the first position, and the number of
// entries is a third of the bounded line reads the bytes give. The first 79
// bytes, taken as one line, also go through the field copy, which must agree
// with the plain character-by-character copy the format describes.
#include "core/practice_file.h"
#include "tests/fuzz/fuzz_support.h"

#include <algorithm>
#include <cstring>

namespace {

// The bounded line reads (79 bytes, or up to an LF) that text-mode reading of
// `data` gives, counted without the reader under test.
std::size_t CountLineReads(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t maxLine = lineBufferSize - 1;
    std::size_t reads = 0;
    std::size_t inLine = 0;
    for (std::size_t i = 0; i < size && data[i] != 0x1A; ++i) {
        std::uint8_t byte = data[i];
        if (byte == '\r' && i + 1 < size && data[i + 1] == '\n')
            byte = data[++i];
        if (byte == '\n' || ++inLine == maxLine) {
            ++reads;
            inLine = 0;
        }
    }
    return reads + (inLine != 0);
}

// The field copy as the format describes it, one character at a time.
void ReferenceCopyField(char* dest, const char* line, std::size_t width, const CodePage& codePage) {
    const auto* source = reinterpret_cast<const unsigned char*>(line);
    std::size_t written = 0;
    while (written < width && source[written] != '\0') {
        if (codePage.multibyte && codePage.isLeadByte[source[written]]) {
            if (written + 1 == width || source[written + 1] == '\0')
                break;
            dest[written] = static_cast<char>(source[written]);
            ++written;
        }
        dest[written] = static_cast<char>(source[written]);
        ++written;
    }
    std::memset(dest + written, 0, width - written);
    dest[width - 1] = '\0';
    std::size_t length = std::strlen(dest);
    if (length != 0 && dest[length - 1] == '\n')
        dest[length - 1] = '\0';
}

void CheckCopyField(const std::uint8_t* data, std::size_t size, const CodePage& codePage) {
    char line[lineBufferSize] = {};
    std::memcpy(line, data, std::min(size, lineBufferSize - 1));
    for (std::size_t width : {characterWidth, codeWidth, reasonWidth}) {
        char copied[reasonWidth];
        char expected[reasonWidth];
        CopyField(copied, line, width, codePage);
        ReferenceCopyField(expected, line, width, codePage);
        Require(std::memcmp(copied, expected, width) == 0, "field copy differs from the format");
    }
}

bool Terminated(const char* field, std::size_t width) {
    return std::memchr(field, '\0', width) != nullptr;
}

void CheckTable(CharTable& table, CharNode* cursor, std::size_t expectedCount) {
    Require(cursor == table.first(), "cursor is not on the first position");
    Require(table.count() == expectedCount, "count is not a third of the line reads");
    std::size_t forward = 0;
    for (CharNode* node = table.first(); node != table.end(); node = node->next) {
        Require(++forward <= expectedCount, "forward walk does not reach the end marker");
        Require(node->next->previous == node, "next and previous links disagree");
        const CharEntry& entry = node->entry;
        Require(Terminated(entry.character, characterWidth), "character is not terminated");
        Require(Terminated(entry.code, codeWidth), "code is not terminated");
        Require(Terminated(entry.reason, reasonWidth), "reason is not terminated");
    }
    // With every next link's previous checked above, only the first's is left.
    Require(table.first()->previous == table.end(), "first entry's previous is not the end");
    Require(forward == expectedCount, "forward walk does not visit count entries");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MemoryFile file;
    static const CodePage codePages[] = {MakeCodePage(936), MakeCodePage(932), MakeCodePage(1252)};
    // One table for all runs, so every load also replaces the previous material.
    static CharTable table;
    file.hold(data, size);

    const std::size_t expectedCount = CountLineReads(data, size) / 3;
    for (const CodePage& codePage : codePages) {
        CharNode* cursor = nullptr;
        LoadResult result = LoadPracticeFile(file.path, table, cursor, codePage);
        Require(result == LoadResult::loaded, "an open file did not load");
        CheckTable(table, cursor, expectedCount);
        CheckCopyField(data, size, codePage);
    }
    return 0;
}
