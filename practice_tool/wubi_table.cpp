#include "practice_tool/wubi_table.h"
#include "practice_tool/utf8.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::size_t longestCode = 4;

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

} // namespace

bool ReadWubiTable(const char* path, const std::set<char32_t>& wanted,
                   std::map<char32_t, std::vector<TableCode>>& codes, Problem& problem) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        problem = {0, Msg::tableUnreadable, {}};
        return false;
    }
    // The YAML header, when there is one, starts before any entry, after the
    // opening comments.
    bool inHeader = false;
    bool beforeEntries = true;
    unsigned number = 0;
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (number == 1 && line.compare(0, 3, utf8ByteOrderMark) == 0)
            line.erase(0, 3);
        if (inHeader) {
            inHeader = line != "...";
            continue;
        }
        if (line.empty() || line[0] == '#')
            continue;
        if (beforeEntries && line == "---") {
            inHeader = true;
            beforeEntries = false;
            continue;
        }
        beforeEntries = false;
        const std::vector<std::string> columns = Columns(line);
        std::size_t position = 0;
        char32_t character;
        if (!NextUtf8(columns[0], position, character)) {
            problem = {number, Msg::tableNotUtf8, {}};
            return false;
        }
        if (position != columns[0].size() || columns.size() < 2 || !wanted.count(character) ||
            !IsWubiCode(columns[1]))
            continue;
        const double weight = columns.size() > 2 ? std::strtod(columns[2].c_str(), nullptr) : 0;
        codes[character].push_back({columns[1], weight});
    }
    if (inHeader) {
        problem = {number, Msg::tableHeaderOpen, {}};
        return false;
    }
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
