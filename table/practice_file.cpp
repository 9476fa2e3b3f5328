#include "table/practice_file.h"

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

void CopyField(char* dest, const char* line, std::size_t width, const CodePage& codePage) {
    const auto* source = reinterpret_cast<const unsigned char*>(line);
    std::size_t written = 0;
    while (written < width && source[written] != '\0') {
        unsigned char byte = source[written];
        if (codePage.multibyte && codePage.isLeadByte[byte]) {
            // A double-byte character is copied whole or not at all.
            if (written + 1 == width || source[written + 1] == '\0')
                break;
            dest[written] = static_cast<char>(byte);
            ++written;
        }
        dest[written] = static_cast<char>(source[written]);
        ++written;
    }
    std::memset(dest + written, 0, width - written);
    // The field's last byte is always its terminator, even if that cuts a
    // double-byte character down to its lead byte.
    dest[width - 1] = '\0';
    std::size_t length = std::strlen(dest);
    if (length != 0 && dest[length - 1] == '\n')
        dest[length - 1] = '\0';
}

LoadResult LoadPracticeFile(const char* path, CharTable& table, CharNode*& cursor,
                            const CodePage& codePage) {
    FileSource file;
    if (!file.open(path))
        return LoadResult::notOpened;
    table.clear();

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
