// What the practice-file tool needs from the system: showing practice text on
// the console, and replacing a file in one step. One implementation per platform.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// Writes practice-file text (GBK bytes) in the form the console shows.
void PrintMaterial(std::FILE* stream, const char* text, std::size_t length);
inline void PrintMaterial(std::FILE* stream, const std::string& text) {
    PrintMaterial(stream, text.data(), text.size());
}

// Puts `temporary` in the place of `target`, replacing any file there. Both are
// in the same folder. False when the system refuses.
bool ReplaceFileWith(const char* temporary, const char* target);
