#include "practice_tool/check_codes.h"
#include "practice_tool/text/ascii.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/wubi/key_charts.h"
#include "practice_tool/wubi/rime_table.h"

#include <algorithm>
#include <cstring>

namespace {

WubiVersion VersionNumbered(const char* number) {
    for (const VersionData& data : versionData)
        if (std::strcmp(data.number, number) == 0)
            return data.version;
    return WubiVersion::wubi86;
}

// A radical drill's entry: a one-letter code on a radical of the version's
// chart. Its key, or null for any other entry.
const WubiKey* RadicalKey(WubiVersion version, const CheckedEntry& checked,
                          const std::string& code) {
    return code.size() == 1 ? FindKeyOfRadical(version, checked.entry.character) : nullptr;
}

} // namespace

bool CheckCodes(const char* tablePath, const char* version, CheckResult& result, Problem& problem) {
    std::set<char32_t> wanted;
    std::vector<char32_t> characters; // of each entry, 0 where there is none
    for (const CheckedEntry& checked : result.entries) {
        char32_t character = 0;
        if (std::strlen(checked.entry.character) != 2 ||
            !DecodeGbk(checked.entry.character, 2, character))
            character = 0;
        characters.push_back(character);
        wanted.insert(character);
    }
    CodesOfCharacters codes;
    if (!ReadWubiTable(tablePath, wanted, codes, problem))
        return false;
    for (std::size_t i = 0; i < result.entries.size(); ++i) {
        const CheckedEntry& checked = result.entries[i];
        // Answers are judged without regard to case.
        const std::string code = AsciiLower(checked.entry.code);
        if (characters[i] == 0 || code.empty() ||
            !std::all_of(code.begin(), code.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
            continue; // another finding tells what is wrong here
        const std::vector<TableCode>& known = codes[characters[i]];
        const bool found = std::any_of(known.begin(), known.end(),
                                       [&](const TableCode& entry) { return entry.code == code; });
        const WubiKey* radicalKey = RadicalKey(VersionNumbered(version), checked, code);
        if (found || (radicalKey != nullptr && radicalKey->letter == code[0]))
            continue;
        if (radicalKey != nullptr)
            result.findings.push_back(
                {checked.lines[1].line,
                 Msg::radicalOnOtherKey,
                 {checked.entry.code, version, std::string(1, AsciiUpper(radicalKey->letter))}});
        else
            result.findings.push_back({checked.lines[1].line,
                                       known.empty() ? Msg::notInTable : Msg::codeNotInTable,
                                       {checked.entry.code, version}});
    }
    std::stable_sort(result.findings.begin(), result.findings.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    return true;
}
