// UTF-8, the encoding of the tool's data and of most authors' texts, and the
// UTF-16 some data sets come in.
#pragma once

#include <cstddef>
#include <string>

// Reads the character at `position` and moves past it. False, with `position`
// unchanged, on a malformed, overlong or surrogate sequence or at the end.
bool NextUtf8(const std::string& text, std::size_t& position, char32_t& codePoint);

void AppendUtf8(std::string& out, char32_t codePoint);

// Characters as UTF-8.
std::string Utf8(const std::u32string& characters);

// True when `text` is well-formed UTF-8 with at least one character beyond
// ASCII: text of that kind is almost never GBK.
bool LooksLikeUtf8(const std::string& text);

// The byte sequence a UTF-8 file may start with.
constexpr char utf8ByteOrderMark[] = "\xEF\xBB\xBF";

// Whether `bytes` start with a UTF-16 byte-order mark, of either byte order.
bool StartsWithUtf16ByteOrderMark(const std::string& bytes);

// UTF-16LE bytes, with or without a byte-order mark, as UTF-8. False at an
// unpaired surrogate or an odd length.
bool Utf8FromUtf16(const std::string& bytes, std::string& text);

// A code point as U+XXXX.
std::string CodePointName(char32_t codePoint);
