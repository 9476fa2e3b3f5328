// check: the entries as the program loads them, and every kind of warning.
#include "tool_test_support.h"

#include "practice_tool/check.h"

#include "core/code_page.h"
#include "core/practice_file.h"

#include <cstring>

// Bytes and every finding, in order; the entries are the loader's.
TEST(Check, WarnsAboutEachFaultAndListsWhatTheLoaderLoads) {
    const std::string good = "的\r\nrqyy\r\n全码rqyy\r\n一\r\ng\r\n一级简码\r\n";
    const std::string cut = "的\r\nrqyy\r\n" + std::string(64, 'r') + "的的的的的的的的\r\n" + good;
    const std::tuple<std::string, std::vector<Problem>> cases[] = {
        {good + "\x1A", {}},
        {"联\r\nbud\r\n通\r\n", {}}, // GBK with bytes UTF-8 uses too
        {good + "人\r\nw\r\n" + std::string(79, 'x'), {}},
        {"的\r\nrqyy\r\n" + std::string(80, 'x'),
         {{3, Msg::reasonCut, {"79"}},
          {3, Msg::longLine, {"80", "78", "2"}},
          {3, Msg::incompleteEntry, {}}}},
        {"\xEF\xBB\xBF" + good, {{0, Msg::byteOrderMark, {}}, {1, Msg::severalCharacters, {"3"}}}},
        {std::string("\xFF\xFE\x84\x76\r\0\n\0", 8),
         {{0, Msg::utf16, {}},
          {0, Msg::noEntries, {}},
          {1, Msg::nulByte, {}},
          {1, Msg::carriageReturn, {}},
          {1, Msg::severalCharacters, {"4"}},
          {1, Msg::loneLeadByte, {}},
          {1, Msg::incompleteEntry, {}},
          {2, Msg::nulByte, {}},
          {2, Msg::emptyCode, {}}}},
        {u8"的\r\nrqyy\r\n全码\r\n一\r\ng\r\n简码\r\n",
         {{0, Msg::looksLikeUtf8, {}},
          {1, Msg::severalCharacters, {"2"}},
          {4, Msg::severalCharacters, {"2"}},
          {6, Msg::loneLeadByte, {}}}},
        {good + "\x1A" + good, {{7, Msg::ctrlZ, {"37"}}}},
        {std::string("的\rrqyy\r\n\x1Ax"),
         {{0, Msg::noEntries, {}},
          {1, Msg::carriageReturn, {}},
          {1, Msg::severalCharacters, {"6"}},
          {1, Msg::incompleteEntry, {}},
          {2, Msg::ctrlZ, {"1"}}}},
        {"的\r\nrq" + std::string(1, '\0') + "yy\r\nx\r\n" + good, {{2, Msg::nulByte, {}}}},
        // A long line shifts every later entry, and each shifted line is warned about.
        {cut,
         {{3, Msg::reasonCut, {"78"}},
          {3, Msg::loneLeadByte, {}},
          {3, Msg::longLine, {"80", "78", "2"}},
          {4, Msg::codeNotLetters, {}},
          {6, Msg::severalCharacters, {"6"}},
          {7, Msg::codeNotLetters, {}},
          {9, Msg::severalCharacters, {"4"}},
          {9, Msg::incompleteEntry, {}}}},
        {"的\r\nrqyy\r\n" + std::string(79, 'r') + "\r\n" + good,
         {{3, Msg::emptyCharacter, {}},
          {3, Msg::longLine, {"79", "78", "2"}},
          {4, Msg::codeNotLetters, {}},
          {6, Msg::severalCharacters, {"6"}},
          {7, Msg::codeNotLetters, {}},
          {9, Msg::severalCharacters, {"4"}},
          {9, Msg::incompleteEntry, {}}}},
        {"的一\r\nrqyyy\r\nx\r\n",
         {{1, Msg::severalCharacters, {"2"}}, {2, Msg::longCode, {"5", "4"}}}},
        {"ab\r\nrq\r\nx\r\n", {{1, Msg::severalCharacters, {"2"}}}},
        {"的\r\nrq1\r\nx\r\n", {{2, Msg::codeNotLetters, {}}}},
        {"的\r\n\r\nx\r\n", {{2, Msg::emptyCode, {}}}},
        {"a的\r\nabc的\r\nx\r\n",
         {{1, Msg::severalCharacters, {"2"}},
          {1, Msg::loneLeadByte, {}},
          {2, Msg::longCode, {"5", "4"}},
          {2, Msg::codeNotLetters, {}},
          {2, Msg::loneLeadByte, {}}}},
        {"", {{0, Msg::noEntries, {}}}},
    };
    for (const auto& [bytes, expected] : cases) {
        TempFile file("check.txt", bytes);
        CheckResult result;
        ASSERT_TRUE(CheckPracticeFile(file.path.c_str(), result));
        EXPECT_EQ(result.findings, expected) << bytes;

        CharTable table;
        CharNode* node = nullptr;
        LoadPracticeFile(file.path.c_str(), table, node, MakeCodePage(936));
        ASSERT_EQ(result.entries.size(), table.count()) << bytes;
        for (std::size_t i = 0; i < table.count(); ++i, node = CharTable::next(node))
            EXPECT_EQ(std::memcmp(&result.entries[i].entry, &node->entry, sizeof(CharEntry)), 0);
    }
    // Where a reason is cut, the next entry starts at its 80th byte.
    TempFile file("check.txt", cut);
    CheckResult result;
    ASSERT_TRUE(CheckPracticeFile(file.path.c_str(), result));
    EXPECT_EQ(result.entries.at(1).lines[0].line, 3u);
    EXPECT_EQ(result.entries.at(1).lines[0].offset, 79u);
}
