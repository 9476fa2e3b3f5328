#include "practice_tool/gbk.h"

#include "core/code_page.h"

bool EncodeGbk(char32_t codePoint, std::string& out) {
    char bytes[2];
    std::size_t length = codePoint == 0 ? 0 : EncodeCharacter(chineseCodePage, codePoint, bytes);
    out.append(bytes, length);
    return length != 0;
}

bool DecodeGbk(const char* bytes, std::size_t length, char32_t& codePoint) {
    return DecodeCharacter(chineseCodePage, bytes, length, codePoint);
}
