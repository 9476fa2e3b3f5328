// The explanations that practice files made by this tool carry: which keys a
// code takes, what kind of code it is and what other codes the character has.
// Nothing here decomposes a character; the rules use only the codes and the
// standard key table.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The reason line must end before the 79th byte, or it shifts every later entry.
constexpr std::size_t longestReason = 78;

struct CharCodes {
    std::string full;                 // the longest code, lower case
    std::vector<std::string> shorter; // the other codes, shortest first
};

// The explanation of `drilled` (the full code or one of the shorter ones) for
// the GBK character `character`, in GBK, at most `longestReason` bytes.
std::string ExplainCode(const std::string& character, const CharCodes& codes,
                        const std::string& drilled);
