// The decoding of the texts authors hand to the tool.
#include "practice_tool/text/author_text.h"
#include "practice_tool/text/utf8.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(AuthorText, SplitsUtf8AndGbkIntoLines) {
    // Bytes, whether read as UTF-8, and the lines as UTF-8, each in brackets.
    const std::tuple<std::string, bool, std::string> cases[] = {
        {u8"的\n一二\r\n三", true, u8"[的][一二][三]"},
        {"\xEF\xBB\xBF"
         "ab\n\n",
         true, "[ab][]"},
        {"\xB5\xC4\r\nab\n", false, u8"[的][ab]"},
        {"ab", false, "[ab]"},
        {"", false, ""},
    };
    for (const auto& [bytes, utf8, expected] : cases) {
        InputText text;
        Problem problem;
        ASSERT_TRUE(DecodeInput(bytes, text, problem)) << bytes;
        std::string lines;
        for (const TextLine& line : text.lines)
            lines += "[" + Utf8(line.text) + "]";
        EXPECT_EQ(lines, expected);
        EXPECT_EQ(text.utf8, utf8);
        for (std::size_t i = 0; i < text.lines.size(); ++i)
            EXPECT_EQ(text.lines[i].number, i + 1);
    }
}

// What stops the reading, on its line.
TEST(AuthorText, RefusesWhatTheProgramWouldNotReadAsWritten) {
    const std::tuple<std::string, Problem> cases[] = {
        {"\xE7\x9A\x84\n\x1A", {2, Msg::inputCtrlZ, {}}},
        {"\xB5\xC4\rrqyy\n", {1, Msg::inputLoneCr, {}}},
        {std::string("a\nrq\0yy\n", 8), {2, Msg::inputNul, {}}},
        {"\xEF\xBB\xBF\xE7\x9A\n", {1, Msg::notUtf8, {"0xE7"}}},
        {"\xEF\xBB\xBF\xED\xA0\x80\n", {1, Msg::notUtf8, {"0xED"}}}, // a surrogate
        {"\xEF\xBB\xBF\x80\n", {1, Msg::notUtf8, {"0x80"}}},         // a stray continuation
        {"a\n\xB5\x20\n", {2, Msg::notGbk, {"0xB5"}}},
        {"a\xB5", {1, Msg::notGbk, {"0xB5"}}}, // a lead byte at the very end
        {std::string("\xFE\xFF\x76\x84", 4), {1, Msg::inputUtf16, {}}},
    };
    for (const auto& [bytes, expected] : cases) {
        InputText text;
        Problem problem;
        EXPECT_FALSE(DecodeInput(bytes, text, problem)) << bytes;
        EXPECT_EQ(problem, expected) << bytes;
    }
}
