#include "core/practice_file.h"

#include <algorithm>
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

// The bytes of `line` that fit a field of `width`: whole characters up to its
// NUL, a double-byte character only when both of its bytes fit.
std::size_t FieldLength(const unsigned char* line, std::size_t width, const CodePage& codePage) {
    std::size_t length = 0;
    if (width <= codeWidth) {
        // A call costs more than looking at a handful of bytes.
        while (length < width && line[length] != '\0')
            ++length;
    } else {
        const void* nul = std::memchr(line, '\0', width);
        length = nul == nullptr ? width : static_cast<const unsigned char*>(nul) - line;
    }
    if (!codePage.multibyte)
        return length;
    // A byte that cannot lead ends a character, so a character starts right
    // after the last such byte. From there the bytes pair up; an odd one out
    // at the end is a lead byte without its trail byte.
    std::size_t leadRun = 0;
    while (leadRun < length && codePage.isLeadByte[line[length - 1 - leadRun]])
        ++leadRun;
    return length - leadRun % 2;
}

} // namespace

void CopyField(char* dest, const char* line, std::size_t width, const CodePage& codePage) {
    std::size_t length = FieldLength(reinterpret_cast<const unsigned char*>(line), width, codePage);
    std::memcpy(dest, line, length);
    std::memset(dest + length, 0, width - length);
    // The field's last byte is always its terminator, even if that cuts a
    // double-byte character down to its lead byte. No copied byte is a NUL, so
    // what remains is the string's length.
    dest[width - 1] = '\0';
    length = std::min(length, width - 1);
    if (length != 0 && dest[length - 1] == '\n')
        dest[length - 1] = '\0';
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
    CharEntry staging{};
    char line[lineBufferSize];
    std::size_t length = 0;
    int lineOfGroup = 0;
    LoadResult result = LoadResult::loaded;
    while (reader.readLine(line, length)) {
        if (lineOfGroup == 0) {
            CopyField(staging.character, line, characterWidth, codePage);
        } else if (lineOfGroup == 1) {
            CopyField(staging.code, line, codeWidth, codePage);
        } else {
            CopyField(staging.reason, line, reasonWidth, codePage);
            if (!table.append(staging)) {
                result = LoadResult::outOfMemory;
                break;
            }
        }
        lineOfGroup = (lineOfGroup + 1) % 3;
    }
    cursor = table.first();
    return result;
}
