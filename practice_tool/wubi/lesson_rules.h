// The rules of a lesson: which entries a drill holds and in what order. An
// entry comes back either N times in a row or on a spaced schedule; a key
// filter keeps the codes a learner can type so far; the frequency order ranks
// characters by how often they occur in modern text.
#pragma once

#include "practice_tool/message_ids.h"
#include "practice_tool/wubi/rime_table.h"

#include <cstddef>
#include <map>
#include <string>
#include <vector>

// A spaced drill brings each item four times: first at place 4i of the
// steady pattern, then after 8, 12 and 44 other entries. The file's first and
// last lines squeeze the pattern, never below these least distances.
constexpr std::size_t spacedTimes = 4;
constexpr std::size_t spacedPattern[spacedTimes] = {0, 9, 22, 67};
constexpr std::size_t leastSpacedGaps[spacedTimes - 1] = {2, 5, 11};
// Fewer items than this cannot keep those distances.
constexpr std::size_t leastSpacedItems = 14;
constexpr unsigned mostRepeats = 9;

// The order of a spaced drill of `count` items: item indexes, each four
// times, new items in their own order. False for fewer than leastSpacedItems.
bool SpacedOrder(std::size_t count, std::vector<std::size_t>& order);

// Each of `count` items `times` times in a row.
std::vector<std::size_t> RepeatedOrder(std::size_t count, unsigned times);

// Whether `code` uses nothing but the letters of `keys` (lower case).
bool UsesOnlyKeys(const std::string& code, const std::string& keys);

// The frequency order: each character's rank (0 the most frequent) and its
// count in the frequency dictionary of modern Chinese (0 where it has none).
struct FrequencyRank {
    std::size_t rank;
    double count;
};
using FrequencyRanks = std::map<char32_t, FrequencyRank>;

// Reads the frequency data: UTF-8 lines "字<TAB>count<TAB>level", most
// frequent first; lines starting with # are comments.
bool ReadFrequencyRanks(const char* path, FrequencyRanks& ranks, Problem& problem);

// Where a character stands in the frequency order: those of the data by
// rank, then the others by the Wubi 86 table's weight.
struct FrequencyKey {
    bool ranked;
    std::size_t rank;
    double weight;
};
FrequencyKey KeyOf(const FrequencyRanks& ranks, char32_t character, double weight);
bool MoreFrequent(const FrequencyKey& a, const FrequencyKey& b);

// The `count` most common characters of GB2312 in the frequency order; the
// weights of `table86` (Wubi 86's) rank those `ranks` lacks.
std::u32string CommonCharacters(const RimeTable& table86, const FrequencyRanks& ranks,
                                std::size_t count);
