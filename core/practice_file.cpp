#include "core/practice_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace {

constexpr unsigned char ctrlZ = 0x1A;

} // namespace

bool LineReader::fill() {
    position_ = 0;
    size_ = ended_ ? 0 : file_.read(buffer_, sizeof buffer_);
    if (size_ == 0)
        ended_ = true;
    return size_ != 0;
}

// The next byte of the text-mode stream, or -1 at the end of the data.
int LineReader::peekByte() {
    if (position_ == size_ && !fill())
        return -1;
    return static_cast<unsigned char>(buffer_[position_]);
}

bool LineReader::readLine(char (&line)[lineBufferSize], std::size_t& length) {
    length = 0;
    while (length < lineBufferSize - 1) {
        int byte = peekByte();
        if (byte < 0)
            break;
        ++position_;
        if (byte == ctrlZ) {
            ended_ = true;
            position_ = size_ = 0;
            break;
        }
        if (byte == '\r' && peekByte() == '\n') {
            ++position_;
            byte = '\n';
        }
        line[length++] = static_cast<char>(byte);
        if (byte == '\n')
            break;
    }
    line[length] = '\0';
    return length != 0;
}

namespace {

// Fields are copied eight bytes at a time, each word ANDed with a mask that
// keeps the string's bytes and clears the rest: no branch on the string's
// length, which is random from line to line and would mispredict. The words
// read stay inside the line buffer.
using Word = std::uint64_t;
static_assert(reasonWidth % sizeof(Word) == 0 && reasonWidth <= lineBufferSize &&
              codeWidth <= sizeof(Word));

// 0xFF bytes, then as many NULs: the bytes from `lineBufferSize - n` on keep
// the first n bytes of whatever they are ANDed with.
constexpr std::array<unsigned char, 2 * lineBufferSize> keepMask = [] {
    std::array<unsigned char, 2 * lineBufferSize> mask{};
    for (std::size_t i = 0; i < lineBufferSize; ++i)
        mask[i] = 0xFF;
    return mask;
}();

Word LoadWord(const void* bytes) {
    Word word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// The mask word at `offset` that keeps the first `kept` bytes.
Word KeepWord(std::size_t kept, std::size_t offset) {
    return LoadWord(keepMask.data() + lineBufferSize - kept + offset);
}

// A word with the high bit set in every byte of `word` that is NUL, and maybe
// in bytes above one, so nonzero exactly when `word` holds a NUL.
Word NulBits(Word word) {
    constexpr Word ones = ~Word{0} / 0xFF;
    return (word - ones) & ~word & (ones << 7);
}

// A string that fits its field and does not end in a LF may end in a lead
// byte without its trail byte: its length without that byte (and without a LF
// before it). Rare, so kept out of the loader's loop: GCC and clang place cold
// functions apart from the hot code; other compilers ignore the attribute.
[[gnu::cold]] std::size_t LengthWithoutLoneLead(const char (&line)[lineBufferSize],
                                                std::size_t kept, const CodePage& codePage) {
    // A byte that cannot lead ends a character, so a character starts right
    // after the last such byte. From there the bytes pair up; an odd one out
    // at the end is a lead byte without its trail byte.
    std::size_t leadRun = 0;
    while (leadRun < kept &&
           codePage.isLeadByte[static_cast<unsigned char>(line[kept - 1 - leadRun])])
        ++leadRun;
    kept -= leadRun % 2;
    if (kept != 0 && line[kept - 1] == '\n')
        --kept;
    return kept;
}

// The length of the string a field of `width` keeps of the `end` bytes before
// the string's NUL: whole characters (a double-byte character only when both
// of its bytes fit), at most `width` - 1 bytes, without a final LF. The
// field's last byte is always its terminator, even if that cuts a double-byte
// character down to its lead byte.
inline std::size_t KeptLength(const char (&line)[lineBufferSize], std::size_t end,
                              std::size_t width, const CodePage& codePage) {
    std::size_t kept = std::min(end, width - 1);
    // The usual line ends in a LF, which cannot lead.
    if (kept != 0 && line[kept - 1] == '\n')
        return kept - 1;
    // A string cut to width - 1 bytes keeps them whatever it ends in.
    if (codePage.multibyte && end < width)
        return LengthWithoutLoneLead(line, kept, codePage);
    return kept;
}

// Copies into `dest` the `width` bytes of `line` masked to keep `kept` bytes;
// nonzero when `line` holds a NUL before `end`.
inline Word CopyMasked(char* dest, const char (&line)[lineBufferSize], std::size_t width,
                       std::size_t kept, std::size_t end) {
    if (width <= sizeof(Word)) {
        const Word word = LoadWord(line);
        const Word copy = word & KeepWord(kept, 0);
        std::memcpy(dest, &copy, width);
        return NulBits(word | ~KeepWord(end, 0));
    }
    Word nuls = 0;
    for (std::size_t i = 0; i < width; i += sizeof(Word)) {
        Word word = LoadWord(line + i);
        nuls |= NulBits(word | ~KeepWord(end, i));
        word &= KeepWord(kept, i);
        std::memcpy(dest + i, &word, sizeof word);
    }
    return nuls;
}

// The copy again, up to the first NUL the line holds of its own. Rare.
[[gnu::cold]] void CopyUpToNul(char* dest, const char (&line)[lineBufferSize], std::size_t end,
                               std::size_t width, const CodePage& codePage) {
    end = static_cast<const char*>(std::memchr(line, '\0', end)) - line;
    CopyMasked(dest, line, width, KeptLength(line, end, width, codePage), end);
}

// CopyField over a whole line buffer whose first `length` bytes are the line
// and whose next byte, if any, is NUL; anything may follow. Inlined into the
// loader, where `width` is a constant.
inline void CopyLineField(char* dest, const char (&line)[lineBufferSize], std::size_t length,
                          std::size_t width, const CodePage& codePage) {
    // The string ends at `length` unless the line holds NUL bytes of its own:
    // the copy looks for them as it goes and is done again up to the first.
    std::size_t end = std::min(length, width);
    if (CopyMasked(dest, line, width, KeptLength(line, end, width, codePage), end) != 0)
        CopyUpToNul(dest, line, end, width, codePage);
}

} // namespace

void CopyField(char* dest, const char* line, std::size_t width, const CodePage& codePage) {
    char buffer[lineBufferSize] = {};
    const void* nul = std::memchr(line, '\0', width);
    const std::size_t length = nul == nullptr ? width : static_cast<const char*>(nul) - line;
    std::memcpy(buffer, line, length);
    CopyLineField(dest, buffer, length, width, codePage);
}

LoadResult LoadPracticeFile(const char* path, CharTable& table, CharNode*& cursor,
                            const CodePage& codePage) {
    FileSource file;
    if (!file.open(path))
        return LoadResult::notOpened;
    // Refilling memory the table already touched costs far less than taking
    // fresh pages from the system (bench/load_bench.cpp measures both).
    table.clearKeepingMemory();

    LineReader reader(file);
    // A group's first two lines wait here until its third completes it.
    CharEntry staging{};
    char line[lineBufferSize] = {}; // the field copies read it by whole words
    std::size_t length = 0;
    LoadResult result = LoadResult::loaded;
    // Three lines make an entry; a group the data ends inside makes none.
    while (reader.readLine(line, length)) {
        CopyLineField(staging.character, line, length, characterWidth, codePage);
        if (!reader.readLine(line, length))
            break;
        CopyLineField(staging.code, line, length, codeWidth, codePage);
        if (!reader.readLine(line, length))
            break;
        // The reason goes straight into the node: staging it too and copying
        // the whole entry over cost more than the reason's own copy.
        CharEntry* entry = table.appendEntry();
        if (entry == nullptr) {
            result = LoadResult::outOfMemory;
            break;
        }
        std::memcpy(entry->character, staging.character, characterWidth);
        std::memcpy(entry->code, staging.code, codeWidth);
        CopyLineField(entry->reason, line, length, reasonWidth, codePage);
    }
    cursor = table.first();
    return result;
}
