// The code-page services of Windows itself.
#include "core/code_page.h"

#include <windows.h>

unsigned SystemCodePage() {
    return GetACP();
}

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

bool DecodeCharacter(unsigned number, const char* bytes, std::size_t length, char32_t& codePoint) {
    WCHAR wide[2];
    if (MultiByteToWideChar(number, MB_ERR_INVALID_CHARS, bytes, static_cast<int>(length), wide,
                            2) != 1)
        return false;
    codePoint = wide[0];
    return true;
}

std::size_t EncodeCharacter(unsigned number, char32_t codePoint, char (&bytes)[2]) {
    // The double-byte code pages hold nothing outside the Basic Multilingual Plane.
    if (codePoint == 0 || codePoint > 0xFFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    const WCHAR wide = static_cast<WCHAR>(codePoint);
    BOOL usedDefault = FALSE;
    int length = WideCharToMultiByte(number, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes, sizeof bytes,
                                     nullptr, &usedDefault);
    return length > 0 && !usedDefault ? static_cast<std::size_t>(length) : 0;
}

bool IsUpperCase(char32_t codePoint) {
    const WCHAR wide = static_cast<WCHAR>(codePoint);
    WORD type = 0;
    return codePoint <= 0xFFFF && GetStringTypeW(CT_CTYPE1, &wide, 1, &type) && (type & C1_UPPER);
}

bool MapCase(unsigned locale, bool toUpper, char32_t codePoint, char32_t& mapped) {
    const WCHAR wide = static_cast<WCHAR>(codePoint);
    WCHAR result;
    if (codePoint > 0xFFFF || LCMapStringW(locale, toUpper ? LCMAP_UPPERCASE : LCMAP_LOWERCASE,
                                           &wide, 1, &result, 1) != 1)
        return false;
    mapped = result;
    return true;
}
