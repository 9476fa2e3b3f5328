#include "practice_tool/input_text.h"
#include "practice_tool/gbk.h"
#include "practice_tool/tool_platform.h"
#include "practice_tool/utf8.h"

#include "core/file_source.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr char ctrlZ = 0x1A;

bool StartsWith(const std::string& bytes, const char* prefix) {
    return bytes.compare(0, std::strlen(prefix), prefix) == 0;
}

bool IsGbkLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

std::string ByteName(unsigned char byte) {
    char name[8];
    std::snprintf(name, sizeof name, "0x%02X", byte);
    return name;
}

// Reads the character at `position` in the input's encoding.
bool NextCharacter(const std::string& bytes, bool utf8, std::size_t& position,
                   char32_t& codePoint) {
    if (utf8)
        return NextUtf8(bytes, position, codePoint);
    const unsigned char byte = static_cast<unsigned char>(bytes[position]);
    const std::size_t size = IsGbkLeadByte(byte) && position + 1 < bytes.size() ? 2 : 1;
    if (byte < 0x80) {
        codePoint = byte;
    } else if (!DecodeGbk(bytes.data() + position, size, codePoint)) {
        return false;
    }
    position += size;
    return true;
}

} // namespace

bool DecodeInput(const std::string& bytes, InputText& text, Problem& problem) {
    text = InputText{};
    if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF")) {
        problem = {1, Msg::inputUtf16, {}};
        return false;
    }
    std::size_t position = 0;
    if (StartsWith(bytes, utf8ByteOrderMark)) {
        text.utf8 = true;
        position = 3;
    } else {
        text.utf8 = LooksLikeUtf8(bytes);
    }
    TextLine line{1, {}};
    while (position < bytes.size()) {
        const char byte = bytes[position];
        if (byte == '\n' ||
            (byte == '\r' && position + 1 < bytes.size() && bytes[position + 1] == '\n')) {
            position += byte == '\n' ? 1 : 2;
            text.lines.push_back(line);
            line = TextLine{line.number + 1, {}};
            continue;
        }
        if (byte == '\r') {
            problem = {line.number, Msg::inputLoneCr, {}};
            return false;
        }
        if (byte == '\0' || byte == ctrlZ) {
            problem = {line.number, byte == '\0' ? Msg::inputNul : Msg::inputCtrlZ, {}};
            return false;
        }
        char32_t codePoint;
        if (!NextCharacter(bytes, text.utf8, position, codePoint)) {
            problem = {line.number,
                       text.utf8 ? Msg::notUtf8 : Msg::notGbk,
                       {ByteName(static_cast<unsigned char>(byte))}};
            return false;
        }
        line.text += codePoint;
    }
    if (!line.text.empty())
        text.lines.push_back(line);
    return true;
}

bool ReadWholeFile(const char* path, std::string& bytes) {
    FileSource file;
    if (!file.open(path))
        return false;
    bytes.clear();
    char buffer[16 * 1024];
    for (std::size_t got; (got = file.read(buffer, sizeof buffer)) != 0;)
        bytes.append(buffer, got);
    return true;
}
