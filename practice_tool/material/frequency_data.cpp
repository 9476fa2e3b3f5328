#include "practice_tool/material/frequency_data.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/text/utf8.h"
#include "practice_tool/text/whole_file.h"
#include "practice_tool/wubi/rime_table.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <tuple>
#include <vector>

namespace {

constexpr char notice[] =
    u8"# The frequency of characters in modern Chinese text, for Tarnvel's practice_tool\n"
    u8"# (make --order=frequency): the characters GBK holds, most frequent first, each\n"
    u8"# with its count and its level; lines \"character<TAB>count<TAB>level\".\n"
    u8"#\n"
    u8"# Made by Tarnvel's make_material from the Unihan database (Unicode {version}) as\n"
    u8"# Debian packages it in unicode-data: the count is the sum of the counts of a\n"
    u8"# character's readings in the field kHanyuPinlu (from a frequency dictionary of\n"
    u8"# modern Chinese); the level (1 to 3) is that of the 2013 general standard table\n"
    u8"# of Chinese characters in the field kTGH, 0 for none.\n"
    u8"# Order: the characters with a count by count; then those without one by level;\n"
    u8"# ties by the weight of the full code in the Wubi 86 table.\n"
    u8"# Copyright (c) 1991-2022 Unicode, Inc. Distributed under the Unicode licence\n"
    u8"# (licenses/Unicode-DFS-2016.txt). Changed on 2026-12-09: only these two fields,\n"
    u8"# of the characters GBK holds, summed and ranked as told above.\n";

// The 2013 table numbers its first level 1 to 3500, its second to 6500.
unsigned LevelOfNumber(long number) {
    return number <= 3500 ? 1 : number <= 6500 ? 2 : 3;
}

// The text of a Unihan file, from its .bz2 form where only that is there.
bool ReadUnihan(const std::string& folder, const char* name, std::string& text) {
    const std::string path = folder + name;
    if (ReadWholeFile(path.c_str(), text))
        return true;
    std::FILE* pipe = popen(("bzcat '" + path + ".bz2' 2>/dev/null").c_str(), "r");
    if (pipe == nullptr)
        return false;
    char buffer[65536];
    text.clear();
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, got);
    return pclose(pipe) == 0 && !text.empty();
}

// Calls `visit(character, value)` for each line of `field` in a Unihan file.
template <typename Visit>
void ForEachField(const std::string& text, const std::string& field, Visit visit) {
    ForEachLine(text, [&](const std::string& line, unsigned) {
        const std::size_t tab = line.find('\t');
        if (line.compare(0, 2, "U+") != 0 || tab == std::string::npos ||
            line.compare(tab + 1, field.size() + 1, field + "\t") != 0)
            return true;
        const char32_t character =
            static_cast<char32_t>(std::strtoul(line.c_str() + 2, nullptr, 16));
        visit(character, line.substr(tab + field.size() + 2));
        return true;
    });
}

// "yī(32747) yí(16)": the sum of the counts in brackets.
double SumOfCounts(const std::string& value) {
    double sum = 0;
    for (std::size_t open = value.find('('); open != std::string::npos;
         open = value.find('(', open + 1))
        sum += std::strtod(value.c_str() + open + 1, nullptr);
    return sum;
}

// "15.0.0", from the file's "# Unicode version: 15.0.0".
std::string VersionOf(const std::string& readings) {
    constexpr char label[] = "# Unicode version: ";
    const std::size_t at = readings.find(label);
    if (at == std::string::npos)
        return "?";
    const std::size_t start = at + sizeof label - 1;
    return readings.substr(start, readings.find_first_of("\r\n", start) - start);
}

struct Row {
    char32_t character;
    double count;
    unsigned level;
    double weight;
};

} // namespace

bool WriteFrequencyData(const std::string& unihanFolder, const char* table86, const char* out,
                        std::string& failure) {
    std::string readings, mappings;
    RimeTable table;
    Problem problem;
    if (!ReadUnihan(unihanFolder, "Unihan_Readings.txt", readings) ||
        !ReadUnihan(unihanFolder, "Unihan_OtherMappings.txt", mappings)) {
        failure = "cannot read Unihan_Readings.txt and Unihan_OtherMappings.txt in " + unihanFolder;
        return false;
    }
    if (!ReadRimeTable(table86, table, problem)) {
        failure = std::string("cannot read ") + table86;
        return false;
    }
    std::map<char32_t, double> counts;
    std::map<char32_t, unsigned> levels;
    ForEachField(readings, "kHanyuPinlu",
                 [&](char32_t c, const std::string& value) { counts[c] = SumOfCounts(value); });
    ForEachField(mappings, "kTGH", [&](char32_t c, const std::string& value) {
        const std::size_t colon = value.find(':');
        if (colon != std::string::npos)
            levels[c] = LevelOfNumber(std::strtol(value.c_str() + colon + 1, nullptr, 10));
    });
    const CodesOfCharacters codes = CodesByCharacter(table);
    std::vector<Row> rows;
    for (const auto& [character, own] : codes) {
        const double count = counts.count(character) ? counts[character] : 0;
        const unsigned level = levels.count(character) ? levels[character] : 0;
        if ((count > 0 || level > 0) && !GbkCharacter(character).empty())
            rows.push_back({character, count, level, FullCodeWeight(own)});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        return std::make_tuple(-a.count, a.level, -a.weight, a.character) <
               std::make_tuple(-b.count, b.level, -b.weight, b.character);
    });
    std::string text = notice;
    text.replace(text.find("{version}"), 9, VersionOf(readings));
    for (const Row& row : rows) {
        AppendUtf8(text, row.character);
        char numbers[40];
        std::snprintf(numbers, sizeof numbers, "\t%.0f\t%u\n", row.count, row.level);
        text += numbers;
    }
    if (!WriteWholeFile(out, text)) {
        failure = std::string("cannot write ") + out;
        return false;
    }
    return true;
}
