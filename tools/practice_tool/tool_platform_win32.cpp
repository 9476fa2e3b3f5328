// GBK through the system's code page 936; the console shows the bytes in the
// system code page, which practice material is written for.
#include "tools/practice_tool/tool_platform.h"

#include <windows.h>

namespace {

constexpr UINT gbkCodePage = 936;

} // namespace

bool EncodeGbk(char32_t codePoint, std::string& out) {
    // Code page 936 has no character outside the Basic Multilingual Plane.
    if (codePoint == 0 || codePoint > 0xFFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return false;
    const WCHAR wide = static_cast<WCHAR>(codePoint);
    char bytes[2];
    BOOL usedDefault = FALSE;
    int length = WideCharToMultiByte(gbkCodePage, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes,
                                     sizeof bytes, nullptr, &usedDefault);
    if (length < 1 || usedDefault)
        return false;
    out.append(bytes, static_cast<std::size_t>(length));
    return true;
}

bool DecodeGbk(const char* bytes, std::size_t length, char32_t& codePoint) {
    WCHAR wide[2];
    if (MultiByteToWideChar(gbkCodePage, MB_ERR_INVALID_CHARS, bytes, static_cast<int>(length),
                            wide, 2) != 1)
        return false;
    codePoint = wide[0];
    return true;
}

void PrintMaterial(std::FILE* stream, const char* text, std::size_t length) {
    std::fwrite(text, 1, length, stream);
}

bool ReplaceFileWith(const char* temporary, const char* target) {
    return MoveFileExA(temporary, target, MOVEFILE_REPLACE_EXISTING) != 0;
}
