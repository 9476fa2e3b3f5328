#include "practice_tool/wubi/rime_table.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/text/practice_format.h"
#include "practice_tool/text/utf8.h"
#include "practice_tool/text/whole_file.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool IsWubiCode(const std::string& code) {
    return !code.empty() && code.size() <= longestCode && code[0] != 'z' &&
           std::all_of(code.begin(), code.end(), [](char c) { return c >= 'a' && c <= 'y'; });
}

// Splits a line at tabs.
std::vector<std::string> Columns(const std::string& line) {
    std::vector<std::string> columns(1);
    for (char c : line) {
        if (c == '\t')
            columns.emplace_back();
        else
            columns.back() += c;
    }
    return columns;
}

// Keeps a single character's entry with a Wubi code. False when the line is
// not UTF-8.
bool AddEntry(const std::string& line, unsigned number, RimeTable& table, Problem& problem) {
    const std::vector<std::string> columns = Columns(line);
    std::size_t position = 0;
    char32_t character;
    if (!NextUtf8(columns[0], position, character)) {
        problem = {number, Msg::tableNotUtf8, {}};
        return false;
    }
    if (position == columns[0].size() && columns.size() >= 2 && IsWubiCode(columns[1]))
        table.entries.push_back({character, columns[1], columns.size() > 2 ? columns[2] : ""});
    return true;
}

} // namespace

bool ReadRimeTable(const char* path, RimeTable& table, Problem& problem) {
    table = RimeTable{};
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        problem = {0, Msg::tableUnreadable, {}};
        return false;
    }
    // The YAML header, when there is one, starts before any entry, after the
    // opening comments.
    bool inHeader = false;
    bool beforeEntries = true;
    unsigned lines = 0;
    const bool read = ForEachLine(bytes, [&](const std::string& line, unsigned number) {
        lines = number;
        if (inHeader) {
            inHeader = line != "...";
            if (inHeader)
                table.header.push_back(line);
        } else if (line.empty() || line[0] == '#') {
            if (beforeEntries && !line.empty())
                table.comments.push_back(line);
        } else if (beforeEntries && line == "---") {
            inHeader = true;
            beforeEntries = false;
        } else {
            beforeEntries = false;
            return AddEntry(line, number, table, problem);
        }
        return true;
    });
    if (!read)
        return false;
    if (inHeader) {
        problem = {lines, Msg::tableHeaderOpen, {}};
        return false;
    }
    return true;
}

CodesOfCharacters CodesByCharacter(const RimeTable& table, const std::set<char32_t>* wanted) {
    CodesOfCharacters codes;
    for (const RimeEntry& entry : table.entries)
        if (wanted == nullptr || wanted->count(entry.character))
            codes[entry.character].push_back(
                {entry.code, std::strtod(entry.weight.c_str(), nullptr)});
    return codes;
}

bool ReadWubiTable(const char* path, const std::set<char32_t>& wanted, CodesOfCharacters& codes,
                   Problem& problem) {
    RimeTable table;
    if (!ReadRimeTable(path, table, problem))
        return false;
    codes = CodesByCharacter(table, &wanted);
    return true;
}

CharCodes SortCodes(const std::vector<TableCode>& codes) {
    CharCodes sorted;
    const TableCode* full = nullptr;
    for (const TableCode& code : codes)
        if (full == nullptr || code.code.size() > full->code.size() ||
            (code.code.size() == full->code.size() && code.weight > full->weight))
            full = &code;
    if (full == nullptr)
        return sorted;
    sorted.full = full->code;
    for (const TableCode& code : codes)
        if (&code != full && code.code != full->code &&
            std::find(sorted.shorter.begin(), sorted.shorter.end(), code.code) ==
                sorted.shorter.end())
            sorted.shorter.push_back(code.code);
    std::stable_sort(
        sorted.shorter.begin(), sorted.shorter.end(),
        [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
    return sorted;
}

double FullCodeWeight(const std::vector<TableCode>& codes) {
    const std::string full = SortCodes(codes).full;
    double weight = 0;
    for (const TableCode& code : codes)
        if (code.code == full)
            weight = std::max(weight, code.weight);
    return weight;
}

std::u32string FrequentCharacters(const RimeTable& table, std::size_t count) {
    std::u32string characters;
    std::set<char32_t> listed;
    for (const RimeEntry& entry : table.entries)
        if (InGb2312(entry.character) && listed.insert(entry.character).second)
            characters += entry.character;
    const CodesOfCharacters codes = CodesByCharacter(table, &listed);
    std::map<char32_t, double> weight;
    for (const auto& [character, list] : codes)
        weight[character] = FullCodeWeight(list);
    std::stable_sort(characters.begin(), characters.end(),
                     [&](char32_t a, char32_t b) { return weight[a] > weight[b]; });
    characters.resize(std::min(characters.size(), count));
    return characters;
}
