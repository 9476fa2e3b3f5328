// GBK through iconv; the console gets UTF-8, the terminal encoding these
// systems use.
#include "tools/practice_tool/tool_platform.h"
#include "tools/practice_tool/utf8.h"

#include <cstdio>
#include <iconv.h>

namespace {

// The system's name for code page 936, which maps 0x80 to the euro sign as
// Windows does.
constexpr const char* gbkName = "CP936";

// One converter per direction, opened on first use and kept for the run.
iconv_t Converter(bool toGbk) {
    static const iconv_t encoder = iconv_open(gbkName, "UTF-32LE");
    static const iconv_t decoder = iconv_open("UTF-32LE", gbkName);
    return toGbk ? encoder : decoder;
}

bool IsOpen(iconv_t converter) {
    return converter != reinterpret_cast<iconv_t>(-1);
}

// Converts all of `in`; the number of bytes written, or -1.
long Convert(iconv_t converter, const char* in, std::size_t inLength, char* out,
             std::size_t outSize) {
    if (!IsOpen(converter))
        return -1;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    char* inPointer = const_cast<char*>(in);
    char* outPointer = out;
    std::size_t outLeft = outSize;
    if (iconv(converter, &inPointer, &inLength, &outPointer, &outLeft) ==
            static_cast<std::size_t>(-1) ||
        inLength != 0)
        return -1;
    return static_cast<long>(outSize - outLeft);
}

} // namespace

bool EncodeGbk(char32_t codePoint, std::string& out) {
    const char utf32[4] = {
        static_cast<char>(codePoint & 0xFF), static_cast<char>(codePoint >> 8 & 0xFF),
        static_cast<char>(codePoint >> 16 & 0xFF), static_cast<char>(codePoint >> 24 & 0xFF)};
    char bytes[4];
    long length = Convert(Converter(true), utf32, sizeof utf32, bytes, sizeof bytes);
    if (length < 1 || length > 2)
        return false;
    out.append(bytes, static_cast<std::size_t>(length));
    return true;
}

bool DecodeGbk(const char* bytes, std::size_t length, char32_t& codePoint) {
    unsigned char utf32[8];
    if (Convert(Converter(false), bytes, length, reinterpret_cast<char*>(utf32), sizeof utf32) != 4)
        return false;
    codePoint = static_cast<char32_t>(utf32[0] | utf32[1] << 8 | utf32[2] << 16) |
                static_cast<char32_t>(utf32[3]) << 24;
    return true;
}

void PrintMaterial(std::FILE* stream, const char* text, std::size_t length) {
    std::fputs(Utf8FromGbk(text, length).c_str(), stream);
}

bool ReplaceFileWith(const char* temporary, const char* target) {
    return std::rename(temporary, target) == 0;
}
