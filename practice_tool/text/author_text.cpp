#include "practice_tool/text/author_text.h"
#include "practice_tool/text/ascii.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/text/utf8.h"

#include <cstring>

namespace {

constexpr char ctrlZ = 0x1A;

bool StartsWith(const std::string& bytes, const char* prefix) {
    return bytes.compare(0, std::strlen(prefix), prefix) == 0;
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
    if (StartsWithUtf16ByteOrderMark(bytes)) {
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
                       {ByteName(static_cast<unsigned char>(byte), ByteForm::value)}};
            return false;
        }
        line.text += codePoint;
    }
    if (!line.text.empty())
        text.lines.push_back(line);
    return true;
}
