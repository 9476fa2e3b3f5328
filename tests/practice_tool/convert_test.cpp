// convert, and the reading of the text that authors hand to the tool.
#include "tool_test_support.h"

#include "practice_tool/convert.h"
#include "practice_tool/text/utf8.h"

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

// What the conversion refuses, on its line.
TEST(Convert, RefusesWhatWouldNotLoadAsWritten) {
    const std::tuple<std::u32string, Problem> cases[] = {
        {U"的\nrqyy\n笑\U0001F600" + std::u32string(77, U'x'), {3, Msg::noGbkForm, {"U+1F600"}}},
        {U"x\n" + std::u32string(77, U'x') + U"的", {2, Msg::lineTooLong, {"79", "78"}}},
    };
    for (const auto& [characters, expected] : cases) {
        InputText text;
        Problem problem;
        ASSERT_TRUE(DecodeInput(Utf8(characters), text, problem));
        std::vector<Problem> problems;
        std::string converted;
        EXPECT_FALSE(ConvertToPracticeText(text, converted, problems));
        EXPECT_EQ(problems, std::vector<Problem>{expected});
    }
}
