// What the practice-file tool needs from the system: GBK (code page 936) one
// character at a time, showing practice text on the console, and replacing a
// file in one step. One implementation per platform.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// Appends the GBK form of `codePoint` (one or two bytes) to `out`. False, with
// `out` unchanged, when GBK has no such character.
bool EncodeGbk(char32_t codePoint, std::string& out);

// Decodes one GBK character of `length` bytes (1 or 2). False when the bytes are
// not exactly one valid character.
bool DecodeGbk(const char* bytes, std::size_t length, char32_t& codePoint);

// Writes practice-file text (GBK bytes) in the form the console shows.
void PrintMaterial(std::FILE* stream, const char* text, std::size_t length);
inline void PrintMaterial(std::FILE* stream, const std::string& text) {
    PrintMaterial(stream, text.data(), text.size());
}

// Puts `temporary` in the place of `target`, replacing any file there. Both are
// in the same folder. False when the system refuses.
bool ReplaceFileWith(const char* temporary, const char* target);
