#include "core/answer_match.h"

namespace {

// One character of a string being compared: its comparison value, or failure
// when a double-byte character cannot be upper-cased.
struct CharacterValue {
    bool valid;
    unsigned value;
};

// Reads the character at `text` and moves past it. A lead byte followed by
// the terminating NUL counts as the end of the string.
CharacterValue ReadCharacter(const unsigned char*& text, const CodePage& codePage) {
    unsigned char byte = *text;
    if (byte == '\0')
        return {true, 0};
    ++text;
    if (!codePage.isLeadByte[byte])
        return {true, codePage.comparesAs[byte]};
    unsigned char trail = *text;
    if (trail == '\0')
        return {true, 0};
    ++text;
    unsigned char upper[2];
    std::size_t upperLength = 0;
    if (!UpperCaseDoubleByte(codePage, byte, trail, upper, upperLength))
        return {false, 0};
    return {true, upperLength == 1 ? upper[0] : (unsigned{upper[0]} << 8) | upper[1]};
}

unsigned char FoldAsciiLetter(unsigned char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

bool SingleByteMatches(const unsigned char* answer, const unsigned char* code) {
    for (;; ++answer, ++code) {
        if (FoldAsciiLetter(*answer) != FoldAsciiLetter(*code))
            return false;
        if (*answer == '\0')
            return true;
    }
}

} // namespace

bool AnswerMatches(const char* answer, const char* code, const CodePage& codePage) {
    const auto* left = reinterpret_cast<const unsigned char*>(answer);
    const auto* right = reinterpret_cast<const unsigned char*>(code);
    if (!codePage.multibyte)
        return SingleByteMatches(left, right);
    for (;;) {
        CharacterValue a = ReadCharacter(left, codePage);
        CharacterValue b = ReadCharacter(right, codePage);
        if (!a.valid || !b.valid || a.value != b.value)
            return false;
        if (a.value == 0)
            return true;
    }
}
