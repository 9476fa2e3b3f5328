// GBK (code page 936), the encoding of practice files, one character at a time.
#pragma once

#include <cstddef>
#include <string>

// Appends the GBK form of `codePoint` (one or two bytes) to `out`. False, with
// `out` unchanged, when GBK has no such character.
bool EncodeGbk(char32_t codePoint, std::string& out);

// Decodes one GBK character of `length` bytes (1 or 2). False when the bytes are
// not exactly one valid character.
bool DecodeGbk(const char* bytes, std::size_t length, char32_t& codePoint);
