#include "table/code_page.h"

#include <windows.h>

namespace {

// Converts one character of `number` to UTF-16, rejecting invalid sequences.
bool ToWide(unsigned number, const char* bytes, int length, WCHAR& wide) {
    return MultiByteToWideChar(number, MB_ERR_INVALID_CHARS, bytes, length, &wide, 1) == 1;
}

// Converts back, failing where the code page would substitute a default.
int FromWide(unsigned number, WCHAR wide, char (&bytes)[2]) {
    BOOL usedDefault = FALSE;
    int length = WideCharToMultiByte(number, 0, &wide, 1, bytes, 2, nullptr,
                                     number == CP_UTF8 ? nullptr : &usedDefault);
    return usedDefault ? 0 : length;
}

} // namespace

unsigned SystemCodePage() { return GetACP(); }

bool QuerySystemLeadBytes(unsigned number, bool (&isLeadByte)[256]) {
    CPINFO info;
    if (!GetCPInfo(number, &info) || info.MaxCharSize <= 1)
        return false;
    bool any = false;
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2)
        for (unsigned byte = info.LeadByte[i]; byte <= info.LeadByte[i + 1]; ++byte)
            any = isLeadByte[byte] = true;
    return any;
}

unsigned char LowerCaseSingleByte(unsigned number, unsigned locale, unsigned char byte) {
    char single = static_cast<char>(byte);
    WCHAR wide;
    WORD type = 0;
    if (!ToWide(number, &single, 1, wide) || !GetStringTypeW(CT_CTYPE1, &wide, 1, &type) ||
        !(type & C1_UPPER))
        return byte;
    WCHAR lower;
    char bytes[2];
    if (LCMapStringW(locale, LCMAP_LOWERCASE, &wide, 1, &lower, 1) != 1 ||
        FromWide(number, lower, bytes) != 1)
        return byte;
    return static_cast<unsigned char>(bytes[0]);
}

bool UpperCaseDoubleByte(const CodePage& codePage, unsigned char lead, unsigned char trail,
                         unsigned char (&result)[2], std::size_t& resultLength) {
    const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    WCHAR wide;
    WCHAR upper;
    char upperBytes[2];
    if (!ToWide(codePage.number, bytes, 2, wide) ||
        LCMapStringW(codePage.locale, LCMAP_UPPERCASE, &wide, 1, &upper, 1) != 1)
        return false;
    int length = FromWide(codePage.number, upper, upperBytes);
    if (length < 1) {
        // The upper case has no form in this code page (a pinyin letter of 936,
        // say): the character compares as itself, so it still equals itself.
        upperBytes[0] = bytes[0];
        upperBytes[1] = bytes[1];
        length = 2;
    }
    result[0] = static_cast<unsigned char>(upperBytes[0]);
    result[1] = static_cast<unsigned char>(upperBytes[1]);
    resultLength = static_cast<std::size_t>(length);
    return true;
}
