// convert: UTF-8 or GBK in, a clean practice file out, or nothing at all.
#include "tool_test_support.h"

#include "tools/practice_tool/utf8.h"

namespace {

// The same two entries as UTF-8 text with LF line ends and as the practice
// file they must become.
const std::string utf8Text =
    std::string(u8"的\nrqyy\n") + u8"全码rqyy：白金言言\n" + u8"一\ng\n" + u8"一级简码·横区\n";
const std::string practiceFile =
    Lines({"的", "rqyy", "全码rqyy：白金言言", "一", "g", "一级简码·横区"});

std::string Repeat(const std::string& text, int times) {
    std::string repeated;
    while (times-- > 0)
        repeated += text;
    return repeated;
}

ToolRun Convert(const std::string& input, const TempPath& out) {
    TempPath in("convert_in.txt", input);
    return RunTool({"convert", in.path(), out.path()});
}

} // namespace

TEST(Convert, TurnsUtf8AndGbkIntoGbkWithCrLf) {
    const struct {
        const char* name;
        std::string input;
    } inputs[] = {
        {"UTF-8", utf8Text},
        {"UTF-8 with byte-order mark", "\xEF\xBB\xBF" + utf8Text},
        {"UTF-8 with CR LF, no final line end",
         std::string(u8"的\r\nrqyy\r\n") + u8"全码rqyy：白金言言\r\n一\r\ng\r\n一级简码·横区"},
        {"GBK with LF", "的\nrqyy\n全码rqyy：白金言言\n一\ng\n一级简码·横区\n"},
        {"GBK practice file", practiceFile},
    };
    for (const auto& input : inputs) {
        SCOPED_TRACE(input.name);
        TempPath out("convert_out.txt");
        const ToolRun run = Convert(input.input, out);
        EXPECT_EQ(run.exitCode, exitClean) << run.err;
        EXPECT_EQ(out.read(), practiceFile);
        EXPECT_NE(run.out.find("2 entries written"), std::string::npos) << run.out;
    }
}

TEST(Convert, RoundTripsThroughUtf8) {
    TempPath gbk("round_gbk.txt"), again("round_again.txt");
    ASSERT_EQ(Convert(utf8Text, gbk).exitCode, exitClean);
    // Back to UTF-8 gives the text that went in (with CR LF), and converting
    // that again gives the same practice file.
    const std::string practice = gbk.read();
    std::string backToUtf8 = Utf8FromGbk(practice.data(), practice.size());
    std::string expected;
    for (char c : utf8Text)
        expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(backToUtf8, expected);
    ASSERT_EQ(Convert(backToUtf8, again).exitCode, exitClean);
    EXPECT_EQ(again.read(), practice);
    // A practice file converted onto itself stays as it is.
    EXPECT_EQ(RunTool({"convert", gbk.path(), gbk.path()}).exitCode, exitClean);
    EXPECT_EQ(gbk.read(), practice);
}

// Each input is refused with the line named, and OUT keeps what it held.
TEST(Convert, RefusesWhatWouldNotLoadAsWrittenAndLeavesOutAlone) {
    const struct {
        const char* name;
        std::string input;
        const char* expected; // in the error report
    } cases[] = {
        {"character outside GBK", std::string(u8"的\nrqyy\n笑\U0001F600\n"), ":3: error: U+1F600"},
        {"UTF-8 line too long", std::string(u8"的\nrqyy\n") + std::string(80, 'x') + "\n",
         ":3: error: line has 80 bytes"},
        {"GBK line too long", "的\nrqyy\n" + Repeat("的", 40) + "\n",
         ":3: error: line has 80 bytes"},
        {"lone CR", "的\rrqyy\n", ":1: error: carriage return"},
        {"NUL", std::string("的\nrq\0yy\n", 9), ":2: error: NUL"},
        {"Ctrl-Z", "的\nrqyy\n\x1A", ":3: error: Ctrl-Z"},
        {"invalid UTF-8 after a BOM", "\xEF\xBB\xBF\xE7\x9A\n",
         ":1: error: 0xE7 is not valid UTF-8"},
        {"invalid GBK", "\xB5\x20\n", ":1: error: 0xB5 is not valid GBK"},
        {"UTF-16", std::string("\xFF\xFE\x84\x76", 4), ":1: error: the file is UTF-16"},
        {"code too long", std::string(u8"的\nrqyyy\n全码\n"), ":2: error: code line has 5 bytes"},
        {"two characters", std::string(u8"的的\nrqyy\n全码\n"),
         ":1: error: character line holds 2"},
        {"incomplete entry", std::string(u8"的\nrqyy\n全码\n一\n"),
         ":4: error: line 4 is an incomplete"},
        {"empty", "", "error: holds no entry"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempPath out("refused_out.txt", "old contents");
        const ToolRun run = Convert(c.input, out);
        EXPECT_EQ(run.exitCode, exitFindings) << run.err;
        EXPECT_NE(run.err.find(c.expected), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("not written"), std::string::npos) << run.err;
        EXPECT_EQ(out.read(), "old contents");
        EXPECT_FALSE(TempPath("refused_out.txt.part").exists());
    }
}

TEST(Convert, FilesThatCannotBeReadOrWrittenExitTwo) {
    TempPath missing("convert_missing.txt"), out("convert_out2.txt", "old");
    EXPECT_EQ(RunTool({"convert", missing.path(), out.path()}).exitCode, exitFailed);
    EXPECT_EQ(out.read(), "old");

    TempPath in("convert_in2.txt", utf8Text);
    const std::string noFolder = testing::TempDir() + "no_such_folder/out.txt";
    const ToolRun run = RunTool({"convert", in.path(), noFolder});
    EXPECT_EQ(run.exitCode, exitFailed);
    EXPECT_NE(run.err.find("cannot write"), std::string::npos) << run.err;
}
