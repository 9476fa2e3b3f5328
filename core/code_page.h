// The rules of an ANSI code page that the field copy and the answer comparison
// follow. The active one is chosen once, at start-up, from the system.
#pragma once

#include <cstddef>

// GBK, the code page that practice material and the program's texts are written in.
constexpr unsigned chineseCodePage = 936;

struct CodePage {
    unsigned number = 0;
    // False for single-byte code pages and when the system could not be asked:
    // then copies are plain byte copies and comparisons fold only A-Z.
    bool multibyte = false;
    bool isLeadByte[256] = {};
    // The form a single byte compares as: its lower case where the system
    // classes it as upper case, else the byte itself.
    unsigned char comparesAs[256] = {};
    // The locale whose rules upper-case double-byte characters.
    unsigned locale = 0;
};

// Builds the rules of code page `number` from the built-in lead-byte ranges and
// the platform's character services. Does not touch the active code page.
CodePage MakeCodePage(unsigned number);

// The system's ANSI code page, chosen at the first call and never changed.
const CodePage& ActiveCodePage();

// The lower-case form of a single byte that the system classes as upper case,
// or the byte itself.
unsigned char LowerCaseSingleByte(unsigned number, unsigned locale, unsigned char byte);
// Upper-cases one double-byte character in the code page's locale. The two
// bytes are converted with invalid sequences rejected; the result has one or
// two bytes. A character whose upper case the code page cannot hold stays as
// it is. False when the bytes are no character or the mapping fails.
bool UpperCaseDoubleByte(const CodePage& codePage, unsigned char lead, unsigned char trail,
                         unsigned char (&result)[2], std::size_t& resultLength);

// --- Services each platform provides (code_page_win32.cpp / code_page_posix.cpp).

// The system's ANSI code page number.
unsigned SystemCodePage();
// Fills `isLeadByte` for a code page without built-in ranges. False when the
// code page is unknown or has no multibyte characters.
bool QuerySystemLeadBytes(unsigned number, bool (&isLeadByte)[256]);
// One character of code page `number` (one or two bytes) as a Unicode code
// point. False when the bytes are not exactly one valid character.
bool DecodeCharacter(unsigned number, const char* bytes, std::size_t length, char32_t& codePoint);
// The one- or two-byte form of `codePoint` in code page `number`: its length,
// or 0 where the code page has no such character (no best-fit substitutes).
std::size_t EncodeCharacter(unsigned number, char32_t codePoint, char (&bytes)[2]);
// Whether the system classes `codePoint` as an upper-case letter.
bool IsUpperCase(char32_t codePoint);
// The upper- or lower-case form of `codePoint` by `locale`'s rules (the
// character itself where it has none). False when the system cannot map it.
bool MapCase(unsigned locale, bool toUpper, char32_t codePoint, char32_t& mapped);
