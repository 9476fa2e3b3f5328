// UTF-8 reading and writing, and GBK text turned into UTF-8 for display.
#pragma once

#include <cstddef>
#include <string>

// Reads the character at `position` and moves past it. False, with `position`
// unchanged, on a malformed, overlong or surrogate sequence or at the end.
bool NextUtf8(const std::string& text, std::size_t& position, char32_t& codePoint);

void AppendUtf8(std::string& out, char32_t codePoint);

// True when `text` is well-formed UTF-8 with at least one character beyond
// ASCII: text of that kind is almost never GBK.
bool LooksLikeUtf8(const std::string& text);

// The byte sequence a UTF-8 file may start with.
constexpr char utf8ByteOrderMark[] = "\xEF\xBB\xBF";

// GBK bytes as UTF-8; a byte that is not part of a valid character shows as
// \xNN.
std::string Utf8FromGbk(const char* text, std::size_t length);

// A code point as U+XXXX.
std::string CodePointName(char32_t codePoint);
