// The code-page services on a system without an ANSI code page: conversions
// through iconv and case mapping through the C library's Unicode tables.
#include "core/code_page.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <iconv.h>
#include <iterator>
#include <locale.h>
#include <wctype.h>

namespace {

// A converter between code page `number` and UTF-32, opened at its first use
// and kept: opening one costs far more than converting a character, and the
// comparison converts every double-byte character of every answer. Single
// thread only, like the rest of the core.
iconv_t CachedConverter(unsigned number, bool toUnicode) {
    struct Slot {
        unsigned number;
        bool toUnicode;
        iconv_t handle;
    };
    static Slot slots[8];
    static std::size_t used = 0;
    for (std::size_t i = 0; i < used && i < std::size(slots); ++i)
        if (slots[i].number == number && slots[i].toUnicode == toUnicode)
            return slots[i].handle;
    char name[16];
    std::snprintf(name, sizeof name, "CP%u", number);
    iconv_t handle = toUnicode ? iconv_open("UTF-32LE", name) : iconv_open(name, "UTF-32LE");
    // Past eight code pages the oldest converter makes room; none is in use here.
    Slot& slot = slots[used++ % std::size(slots)];
    if (used > std::size(slots) && slot.handle != reinterpret_cast<iconv_t>(-1))
        iconv_close(slot.handle);
    slot = {number, toUnicode, handle};
    return handle;
}

// Converts all of `in`; returns the bytes written, or -1 on any error.
long Convert(unsigned number, bool toUnicode, const char* in, std::size_t inLength, char* out,
             std::size_t outSize) {
    iconv_t handle = CachedConverter(number, toUnicode);
    if (handle == reinterpret_cast<iconv_t>(-1))
        return -1;
    iconv(handle, nullptr, nullptr, nullptr, nullptr); // forget any earlier failed input
    char* inPointer = const_cast<char*>(in);
    char* outPointer = out;
    std::size_t outLeft = outSize;
    if (iconv(handle, &inPointer, &inLength, &outPointer, &outLeft) ==
            static_cast<std::size_t>(-1) ||
        inLength != 0)
        return -1;
    return static_cast<long>(outSize - outLeft);
}

locale_t UnicodeLocale() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    return locale;
}

} // namespace

bool DecodeCharacter(unsigned number, const char* bytes, std::size_t length, char32_t& codePoint) {
    unsigned char utf32[8];
    if (Convert(number, true, bytes, length, reinterpret_cast<char*>(utf32), sizeof utf32) != 4)
        return false;
    codePoint = static_cast<char32_t>(utf32[0] | utf32[1] << 8 | utf32[2] << 16) |
                static_cast<char32_t>(utf32[3]) << 24;
    return true;
}

std::size_t EncodeCharacter(unsigned number, char32_t codePoint, char (&bytes)[2]) {
    const unsigned char utf32[4] = {
        static_cast<unsigned char>(codePoint), static_cast<unsigned char>(codePoint >> 8),
        static_cast<unsigned char>(codePoint >> 16), static_cast<unsigned char>(codePoint >> 24)};
    long length =
        Convert(number, false, reinterpret_cast<const char*>(utf32), 4, bytes, sizeof bytes);
    return length > 0 ? static_cast<std::size_t>(length) : 0;
}

// Without a system code page, the one the material is written in stands in.
unsigned SystemCodePage() {
    return chineseCodePage;
}

// A lead byte is one that the converter finds incomplete on its own.
bool QuerySystemLeadBytes(unsigned number, bool (&isLeadByte)[256]) {
    char name[16];
    std::snprintf(name, sizeof name, "CP%u", number);
    iconv_t handle = iconv_open("UTF-32LE", name);
    if (handle == reinterpret_cast<iconv_t>(-1))
        return false;
    bool any = false;
    for (unsigned byte = 0x80; byte < 256; ++byte) {
        char in = static_cast<char>(byte);
        char out[8];
        char* inPointer = &in;
        char* outPointer = out;
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        iconv(handle, nullptr, nullptr, nullptr, nullptr);
        if (iconv(handle, &inPointer, &inLeft, &outPointer, &outLeft) ==
                static_cast<std::size_t>(-1) &&
            errno == EINVAL)
            any = isLeadByte[byte] = true;
    }
    iconv_close(handle);
    return any;
}

bool IsUpperCase(char32_t codePoint) {
    return iswupper_l(static_cast<wint_t>(codePoint), UnicodeLocale()) != 0;
}

// The C library's Unicode tables know no locale-specific case rules; none of
// the built-in locales has any for these code pages.
bool MapCase(unsigned, bool toUpper, char32_t codePoint, char32_t& mapped) {
    wint_t character = static_cast<wint_t>(codePoint);
    mapped =
        toUpper ? towupper_l(character, UnicodeLocale()) : towlower_l(character, UnicodeLocale());
    return true;
}
