#include "practice_tool/text/utf8.h"

#include <cstdio>

namespace {

unsigned char ByteAt(const std::string& text, std::size_t position) {
    return static_cast<unsigned char>(text[position]);
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

bool NextUtf8(const std::string& text, std::size_t& position, char32_t& codePoint) {
    if (position >= text.size())
        return false;
    const unsigned char first = ByteAt(text, position);
    std::size_t length;
    char32_t value;
    char32_t smallest;
    if (first < 0x80) {
        codePoint = first;
        ++position;
        return true;
    } else if (first >= 0xC2 && first <= 0xDF) {
        length = 2, value = first & 0x1F, smallest = 0x80;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3, value = first & 0x0F, smallest = 0x800;
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4, value = first & 0x07, smallest = 0x10000;
    } else {
        return false;
    }
    if (text.size() - position < length)
        return false;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char byte = ByteAt(text, position + i);
        if (!IsContinuation(byte))
            return false;
        value = value << 6 | (byte & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return false;
    codePoint = value;
    position += length;
    return true;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | codePoint >> 6);
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | codePoint >> 12);
        out += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | codePoint >> 18);
        out += static_cast<char>(0x80 | (codePoint >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

bool LooksLikeUtf8(const std::string& text) {
    bool beyondAscii = false;
    std::size_t position = 0;
    char32_t codePoint;
    while (position < text.size()) {
        if (!NextUtf8(text, position, codePoint))
            return false;
        beyondAscii = beyondAscii || codePoint >= 0x80;
    }
    return beyondAscii;
}

std::string Utf8(const std::u32string& characters) {
    std::string text;
    for (char32_t c : characters)
        AppendUtf8(text, c);
    return text;
}

bool StartsWithUtf16ByteOrderMark(const std::string& bytes) {
    return bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0;
}

bool Utf8FromUtf16(const std::string& bytes, std::string& text) {
    text.clear();
    std::size_t i = bytes.compare(0, 2, "\xFF\xFE") == 0 ? 2 : 0;
    if ((bytes.size() - i) % 2 != 0)
        return false;
    auto unit = [&](std::size_t at) {
        return static_cast<char32_t>(static_cast<unsigned char>(bytes[at]) |
                                     static_cast<unsigned char>(bytes[at + 1]) << 8);
    };
    for (; i < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xDC00 && c < 0xE000)
            return false;
        if (c >= 0xD800 && c < 0xDC00) {
            if (i + 4 > bytes.size() || unit(i + 2) < 0xDC00 || unit(i + 2) >= 0xE000)
                return false;
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        }
        AppendUtf8(text, c);
    }
    return true;
}

std::string CodePointName(char32_t codePoint) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
    return name;
}
