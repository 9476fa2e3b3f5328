#include "tools/practice_tool/make.h"
#include "tools/practice_tool/explain.h"
#include "tools/practice_tool/gbk.h"
#include "tools/practice_tool/tool_platform.h"
#include "tools/practice_tool/utf8.h"
#include "tools/practice_tool/wubi_table.h"

#include <map>
#include <set>

namespace {

struct Listed {
    char32_t character;
    unsigned line;
};

bool IsBlank(char32_t c) {
    return c == ' ' || c == '\t' || c == 0x3000 || c == 0xFEFF;
}

std::vector<Listed> ListedCharacters(const InputText& list) {
    std::vector<Listed> listed;
    for (const TextLine& line : list.lines) {
        for (char32_t c : line.text) {
            if (c == '#')
                break;
            if (!IsBlank(c))
                listed.push_back({c, line.number});
        }
    }
    return listed;
}

// The character as the console shows messages: GBK where it has a GBK form.
std::string Name(char32_t character) {
    std::string gbk;
    if (!EncodeGbk(character, gbk))
        return CodePointName(character);
    return gbk + " (" + CodePointName(character) + ")";
}

// The code to drill, or "" when the character has none of that length.
std::string DrilledCode(const CharCodes& codes, DrillCode drill) {
    if (drill == DrillCode::full)
        return codes.full;
    const std::size_t length = drill == DrillCode::one ? 1 : drill == DrillCode::two ? 2 : 3;
    for (const std::string& code : codes.shorter)
        if (code.size() == length && length < codes.full.size())
            return code;
    return {};
}

const char* DrillName(DrillCode drill) {
    switch (drill) {
    case DrillCode::one: return "one-letter short code";
    case DrillCode::two: return "two-letter short code";
    case DrillCode::three: return "three-letter short code";
    default: return "code";
    }
}

} // namespace

MakeResult MakePracticeText(const InputText& list, const char* tablePath, DrillCode drill,
                            std::string& text, std::vector<Problem>& problems,
                            Problem& tableProblem) {
    text.clear();
    const std::vector<Listed> listed = ListedCharacters(list);
    if (listed.empty()) {
        problems.push_back({0, "the list holds no characters"});
        return MakeResult::refused;
    }
    std::set<char32_t> wanted;
    for (const Listed& item : listed)
        wanted.insert(item.character);
    std::map<char32_t, std::vector<TableCode>> table;
    if (!ReadWubiTable(tablePath, wanted, table, tableProblem))
        return MakeResult::tableFailed;

    const std::size_t before = problems.size();
    for (const Listed& item : listed) {
        std::string character;
        const auto found = table.find(item.character);
        if (found == table.end()) {
            problems.push_back({item.line, Name(item.character) + " is not in the table"});
            continue;
        }
        if (!EncodeGbk(item.character, character) || character.size() != 2) {
            problems.push_back({item.line, Name(item.character) + " has no GBK form"});
            continue;
        }
        const CharCodes codes = SortCodes(found->second);
        const std::string drilled = DrilledCode(codes, drill);
        if (drilled.empty()) {
            problems.push_back({item.line, Name(item.character) + " has no " + DrillName(drill) +
                                               " in the table"});
            continue;
        }
        text +=
            character + "\r\n" + drilled + "\r\n" + ExplainCode(character, codes, drilled) + "\r\n";
    }
    return problems.size() == before ? MakeResult::made : MakeResult::refused;
}
