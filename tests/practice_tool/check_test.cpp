// check: the entries as the program loads them, and every kind of warning.
#include "tool_test_support.h"

#include "practice_tool/check.h"

#include "core/code_page.h"
#include "core/practice_file.h"

#include <cstring>

// A fault, its warning, line and figures (Msg::count: none); the entries are the loader's.
TEST(Check, WarnsAboutEachFaultAndListsWhatTheLoaderLoads) {
    const std::string good = "的\r\nrqyy\r\n全码rqyy\r\n一\r\ng\r\n一级简码\r\n";
    const std::string cut = "的\r\nrqyy\r\n" + std::string(64, 'r') + "的的的的的的的的\r\n" + good;
    const std::tuple<std::string, Msg, unsigned, std::vector<std::string>> cases[] = {
        {good + "\x1A", Msg::none, 0, {}},
        {"联\r\nbud\r\n通\r\n", Msg::none, 0, {}}, // GBK with bytes UTF-8 uses too
        {good + "人\r\nw\r\n" + std::string(79, 'x'), Msg::none, 0, {}},
        {"\xEF\xBB\xBF" + good, Msg::byteOrderMark, 0, {}},
        {std::string("\xFF\xFE\x84\x76\r\0\n\0", 8), Msg::utf16, 0, {}},
        {u8"的\r\nrqyy\r\n全码\r\n一\r\ng\r\n简码\r\n", Msg::looksLikeUtf8, 0, {}},
        {good + "\x1A" + good, Msg::ctrlZ, 7, {"37"}},
        {std::string("的\rrqyy\r\n\x1Ax"), Msg::carriageReturn, 1, {}},
        {"的\r\nrq" + std::string(1, '\0') + "yy\r\nx\r\n" + good, Msg::nulByte, 2, {}},
        {cut, Msg::longLine, 3, {"80", "78", "2"}},
        {cut, Msg::reasonCut, 3, {"78"}},
        {cut, Msg::incompleteEntry, 9, {}},
        {"的\r\nrqyy\r\n" + std::string(79, 'r') + "\r\n" + good, Msg::emptyCharacter, 3, {}},
        {"的一\r\nrqyyy\r\nx\r\n", Msg::severalCharacters, 1, {"2"}},
        {"ab\r\nrq\r\nx\r\n", Msg::severalCharacters, 1, {"2"}},
        {"的一\r\nrqyyy\r\nx\r\n", Msg::longCode, 2, {"5", "4"}},
        {"的\r\nrq1\r\nx\r\n", Msg::codeNotLetters, 2, {}},
        {"的\r\n\r\nx\r\n", Msg::emptyCode, 2, {}},
        {"a的\r\nabc的\r\nx\r\n", Msg::loneLeadByte, 2, {}},
        {"", Msg::noEntries, 0, {}},
    };
    for (const auto& [bytes, id, line, args] : cases) {
        TempFile file("check.txt", bytes);
        CheckResult result;
        ASSERT_TRUE(CheckPracticeFile(file.path.c_str(), result));
        bool found = id == Msg::none && result.findings.empty();
        for (const Problem& finding : result.findings)
            found = found || (finding.id == id && finding.line == line &&
                              (args.empty() || finding.args == args));
        EXPECT_TRUE(found) << MessageText(Language::english, id) << " " << result.findings.size();

        CharTable table;
        CharNode* node = nullptr;
        LoadPracticeFile(file.path.c_str(), table, node, MakeCodePage(936));
        ASSERT_EQ(result.entries.size(), table.count()) << bytes;
        for (std::size_t i = 0; i < table.count(); ++i, node = CharTable::next(node))
            EXPECT_EQ(std::memcmp(&result.entries[i].entry, &node->entry, sizeof(CharEntry)), 0);
        // Where a reason is cut, the next entry starts at its 80th byte.
        if (id == Msg::reasonCut) {
            EXPECT_EQ(result.entries[1].lines[0].line, 3u);
            EXPECT_EQ(result.entries[1].lines[0].offset, 79u);
        }
    }
}
