// GBK (code page 936), the encoding of practice files, by the core's own rules
// for it: which bytes lead a double-byte character, and each character's bytes.
#pragma once

#include "core/code_page.h"

#include <cstddef>
#include <string>

// The core's rules for code page 936, made once.
const CodePage& GbkCodePage();

inline bool IsGbkLeadByte(unsigned char byte) {
    return GbkCodePage().isLeadByte[byte];
}

// Appends the GBK form of `codePoint` (one or two bytes) to `out`. False, with
// `out` unchanged, when GBK has no such character.
bool EncodeGbk(char32_t codePoint, std::string& out);

// Decodes one GBK character of `length` bytes (1 or 2). False when the bytes are
// not exactly one valid character.
bool DecodeGbk(const char* bytes, std::size_t length, char32_t& codePoint);

// The two bytes of `codePoint` in GBK, or "" where it has no double-byte form
// (ASCII, or a character GBK lacks): what a practice file's character line holds.
std::string GbkCharacter(char32_t codePoint);

// A character of the basic national set (GB2312), what learners drill: its
// GBK form lies in the rows of Chinese characters, B0A1 to F7FE.
bool InGb2312(char32_t codePoint);

// GBK bytes as UTF-8; a byte that is not part of a valid character shows as
// \xNN.
std::string Utf8FromGbk(const char* text, std::size_t length);

inline std::string Utf8FromGbk(const std::string& text) {
    return Utf8FromGbk(text.data(), text.size());
}
