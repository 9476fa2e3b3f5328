#include "practice_tool/text/gbk.h"
#include "practice_tool/text/ascii.h"
#include "practice_tool/text/utf8.h"

const CodePage& GbkCodePage() {
    static const CodePage page = MakeCodePage(chineseCodePage);
    return page;
}

bool EncodeGbk(char32_t codePoint, std::string& out) {
    char bytes[2];
    std::size_t length = codePoint == 0 ? 0 : EncodeCharacter(chineseCodePage, codePoint, bytes);
    out.append(bytes, length);
    return length != 0;
}

bool DecodeGbk(const char* bytes, std::size_t length, char32_t& codePoint) {
    return DecodeCharacter(chineseCodePage, bytes, length, codePoint);
}

std::string GbkCharacter(char32_t codePoint) {
    std::string bytes;
    return EncodeGbk(codePoint, bytes) && bytes.size() == 2 ? bytes : std::string();
}

bool InGb2312(char32_t codePoint) {
    const std::string bytes = GbkCharacter(codePoint);
    if (bytes.empty())
        return false;
    const auto lead = static_cast<unsigned char>(bytes[0]);
    const auto trail = static_cast<unsigned char>(bytes[1]);
    return lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1;
}

std::string Utf8FromGbk(const char* text, std::size_t length) {
    std::string out;
    std::size_t position = 0;
    while (position < length) {
        const unsigned char byte = static_cast<unsigned char>(text[position]);
        const std::size_t size = IsGbkLeadByte(byte) && position + 1 < length ? 2 : 1;
        char32_t codePoint;
        if (byte < 0x80) {
            out += static_cast<char>(byte);
        } else if (DecodeGbk(text + position, size, codePoint)) {
            AppendUtf8(out, codePoint);
        } else {
            out += ByteName(byte, ByteForm::escape);
            position += 1;
            continue;
        }
        position += size;
    }
    return out;
}
