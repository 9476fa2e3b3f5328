#include "practice_tool/wubi/lesson_rules.h"
#include "practice_tool/text/whole_file.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

bool SpacedOrder(std::size_t count, std::vector<std::size_t>& order) {
    order.clear();
    if (count < leastSpacedItems)
        return false;
    // Each place of the steady pattern holds one item: the offsets differ
    // modulo four. Sorting by place and dropping the empty ones squeezes the
    // start and the end, where the pattern has holes.
    std::vector<std::pair<std::size_t, std::size_t>> places;
    for (std::size_t item = 0; item < count; ++item)
        for (std::size_t offset : spacedPattern)
            places.push_back({spacedTimes * item + offset, item});
    std::sort(places.begin(), places.end());
    for (const auto& place : places)
        order.push_back(place.second);
    return true;
}

std::vector<std::size_t> RepeatedOrder(std::size_t count, unsigned times) {
    std::vector<std::size_t> order;
    for (std::size_t item = 0; item < count; ++item)
        order.insert(order.end(), times, item);
    return order;
}

bool UsesOnlyKeys(const std::string& code, const std::string& keys) {
    return !code.empty() && code.find_first_not_of(keys) == std::string::npos;
}

bool ReadFrequencyRanks(const char* path, FrequencyRanks& ranks, Problem& problem) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        problem = {0, Msg::frequencyUnreadable, {}};
        return false;
    }
    return ForEachLine(bytes, [&](const std::string& line, unsigned number) {
        if (line.empty() || line[0] == '#')
            return true;
        std::size_t position = 0;
        char32_t character;
        if (!NextUtf8(line, position, character) || position >= line.size() ||
            line[position] != '\t') {
            problem = {number, Msg::frequencyMalformed, {}};
            return false;
        }
        const double count = std::strtod(line.c_str() + position + 1, nullptr);
        ranks.insert({character, {ranks.size(), count}});
        return true;
    });
}

FrequencyKey KeyOf(const FrequencyRanks& ranks, char32_t character, double weight) {
    const auto found = ranks.find(character);
    return found == ranks.end() ? FrequencyKey{false, 0, weight}
                                : FrequencyKey{true, found->second.rank, weight};
}

bool MoreFrequent(const FrequencyKey& a, const FrequencyKey& b) {
    if (a.ranked != b.ranked)
        return a.ranked;
    return a.ranked ? a.rank < b.rank : a.weight > b.weight;
}

std::u32string CommonCharacters(const RimeTable& table86, const FrequencyRanks& ranks,
                                std::size_t count) {
    // By weight first, so that the stable sort leaves those without a rank so.
    std::u32string characters = FrequentCharacters(table86, std::u32string::npos);
    std::stable_sort(characters.begin(), characters.end(), [&](char32_t a, char32_t b) {
        return MoreFrequent(KeyOf(ranks, a, 0), KeyOf(ranks, b, 0));
    });
    characters.resize(std::min(characters.size(), count));
    return characters;
}
