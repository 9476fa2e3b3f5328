// convert, and the reading of the text that authors hand to the tool.
#include "tool_test_support.h"

#include "practice_tool/convert.h"

TEST(Convert, TurnsUtf8AndGbkIntoGbkWithCrLf) {
    const std::string practice = "的\r\nrqyy\r\n全码：白金言言\r\n一\r\ng\r\n一级简码·横区\r\n";
    for (const std::string& input :
         {std::string(u8"的\nrqyy\n全码：白金言言\n一\ng\n一级简码·横区\n"),
          std::string(u8"\uFEFF的\r\nrqyy\r\n全码：白金言言\r\n一\r\ng\r\n一级简码·横区"),
          std::string("的\nrqyy\n全码：白金言言\n一\ng\n一级简码·横区\n"), practice}) {
        TempFile in("convert_in.txt", input), out("convert_out.txt");
        const std::string said = RunTool({"convert", in.path, out.path}).second;
        EXPECT_NE(said.find("convert_out.txt: 2 entries written"), std::string::npos) << said;
        EXPECT_EQ(out.read(), practice);
    }
}

// What stops the reading or the conversion, on its line.
TEST(Convert, RefusesWhatWouldNotLoadAsWritten) {
    const std::tuple<std::string, Msg, unsigned> cases[] = {
        {u8"的\nrqyy\n笑\U0001F600" + std::string(77, 'x'), Msg::noGbkForm, 3},
        {"x\n" + std::string(78, 'x') + "的", Msg::lineTooLong, 2},
        {"的\rrqyy\n", Msg::inputLoneCr, 1},
        {std::string("的\nrq\0yy\n", 9), Msg::inputNul, 2},
        {"\xEF\xBB\xBF\xE7\x9A\n", Msg::notUtf8, 1},
        {"\xEF\xBB\xBF\xED\xA0\x80\n", Msg::notUtf8, 1}, // a surrogate
        {"\xEF\xBB\xBF\x80\n", Msg::notUtf8, 1},         // a stray continuation byte
        {"\xB5\x20\n", Msg::notGbk, 1},
        {std::string("\xFF\xFE\x84\x76", 4), Msg::inputUtf16, 1},
    };
    for (const auto& [input, id, line] : cases) {
        InputText text;
        std::vector<Problem> problems(1);
        std::string converted;
        if (DecodeInput(input, text, problems[0]))
            problems.clear(), ConvertToPracticeText(text, converted, problems);
        ASSERT_EQ(problems.size(), 1u) << MessageText(Language::english, id);
        EXPECT_EQ(problems[0].id, id);
        EXPECT_EQ(problems[0].line, line);
    }
}
