// The ASCII part of GBK and UTF-8 text: letters' case, and numbers and bytes
// written out as the tool's messages show them.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

constexpr char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline std::string AsciiLower(std::string text) {
    for (char& c : text)
        c = AsciiLower(c);
    return text;
}

// A count or a line number as a message shows it.
inline std::string Number(std::size_t value) {
    return std::to_string(value);
}

// How a byte that cannot be shown as a character is written: as an escape in
// shown text ("\x81") or as a value in a sentence ("0x81").
enum class ByteForm { escape, value };

inline std::string ByteName(unsigned char byte, ByteForm form) {
    char name[8];
    std::snprintf(name, sizeof name, form == ByteForm::escape ? "\\x%02X" : "0x%02X", byte);
    return name;
}
