#include "core/code_page.h"

namespace {

struct ByteRange {
    unsigned char low;
    unsigned char high;
};

struct BuiltInCodePage {
    unsigned number;
    unsigned locale;
    ByteRange leadBytes[3];
};

// The double-byte code pages whose lead bytes and locales are known without
// asking the system. An empty range ends a list.
constexpr BuiltInCodePage builtInCodePages[] = {
    {932, 0x0411, {{0x81, 0x9F}, {0xE0, 0xFC}, {0, 0}}},
    {chineseCodePage, 0x0804, {{0x81, 0xFE}, {0, 0}, {0, 0}}},
    {949, 0x0412, {{0x81, 0xFE}, {0, 0}, {0, 0}}},
    {950, 0x0404, {{0x81, 0xFE}, {0, 0}, {0, 0}}},
    {1361, 0, {{0x81, 0xD3}, {0xD8, 0xDE}, {0xE0, 0xF9}}},
};

const BuiltInCodePage* FindBuiltIn(unsigned number) {
    for (const BuiltInCodePage& page : builtInCodePages)
        if (page.number == number)
            return &page;
    return nullptr;
}

void MarkLeadBytes(const BuiltInCodePage& page, bool (&isLeadByte)[256]) {
    for (const ByteRange& range : page.leadBytes)
        for (unsigned byte = range.low; range.high != 0 && byte <= range.high; ++byte)
            isLeadByte[byte] = true;
}

void FoldAsciiLetters(unsigned char (&comparesAs)[256]) {
    for (unsigned byte = 0; byte < 256; ++byte)
        comparesAs[byte] = static_cast<unsigned char>(byte);
    for (unsigned byte = 'A'; byte <= 'Z'; ++byte)
        comparesAs[byte] = static_cast<unsigned char>(byte - 'A' + 'a');
}

void ClassifySingleBytes(CodePage& page) {
    page.comparesAs[0] = 0;
    for (unsigned byte = 1; byte < 256; ++byte)
        page.comparesAs[byte] =
            page.isLeadByte[byte]
                ? static_cast<unsigned char>(byte)
                : LowerCaseSingleByte(page.number, page.locale, static_cast<unsigned char>(byte));
}

} // namespace

CodePage MakeCodePage(unsigned number) {
    CodePage page;
    page.number = number;
    FoldAsciiLetters(page.comparesAs);
    if (const BuiltInCodePage* builtIn = FindBuiltIn(number)) {
        MarkLeadBytes(*builtIn, page.isLeadByte);
        page.locale = builtIn->locale;
        page.multibyte = true;
    } else {
        page.multibyte = QuerySystemLeadBytes(number, page.isLeadByte);
    }
    if (page.multibyte)
        ClassifySingleBytes(page);
    return page;
}

unsigned char LowerCaseSingleByte(unsigned number, unsigned locale, unsigned char byte) {
    const char single = static_cast<char>(byte);
    char32_t codePoint;
    char32_t lower;
    char bytes[2];
    if (!DecodeCharacter(number, &single, 1, codePoint) || !IsUpperCase(codePoint) ||
        !MapCase(locale, false, codePoint, lower) || EncodeCharacter(number, lower, bytes) != 1)
        return byte;
    return static_cast<unsigned char>(bytes[0]);
}

bool UpperCaseDoubleByte(const CodePage& codePage, unsigned char lead, unsigned char trail,
                         unsigned char (&result)[2], std::size_t& resultLength) {
    char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    char32_t codePoint;
    char32_t upper;
    if (!DecodeCharacter(codePage.number, bytes, 2, codePoint) ||
        !MapCase(codePage.locale, true, codePoint, upper))
        return false;
    // An upper case that the code page cannot hold (a pinyin letter of 936,
    // say) leaves the character as it is, so that it still equals itself.
    resultLength = EncodeCharacter(codePage.number, upper, bytes);
    if (resultLength == 0) {
        bytes[0] = static_cast<char>(lead);
        bytes[1] = static_cast<char>(trail);
        resultLength = 2;
    }
    result[0] = static_cast<unsigned char>(bytes[0]);
    result[1] = static_cast<unsigned char>(bytes[1]);
    return true;
}

const CodePage& ActiveCodePage() {
    static const CodePage active = MakeCodePage(SystemCodePage());
    return active;
}
