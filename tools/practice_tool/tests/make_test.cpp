// make: practice files from a list of characters and a Wubi table.
#include "tool_test_support.h"

#include "tools/practice_tool/check.h"
#include "tools/practice_tool/explain.h"

#include <cstring>

namespace {

// A table in the Rime format, with the opening comments, the YAML header, a
// commented-out code, a phrase and a lookup code that must all be skipped.
const std::string tinyTable =
    std::string(u8"# Rime dictionary: tiny\n") + "---\n" +
    "name: tiny\ncolumns:\n  - text\n  - code\n...\n\n" +
    u8"王\tggg\t100\n王\tgggg\t100\n#王\tg\t5\n" + u8"五\tgg\t10\n五\tggh\t50\n五\tgghg\t50\n" +
    u8"一\tg\t200\tgg\n一\tggl\t300\n一\tggll\t300\n" +
    u8"的\tr\t400\n的\trqy\t400\n的\trqyy\t400\n" + u8"地\tf\t90\n地\tfb\t90\n地\tfbn\t80\n" +
    u8"你好\twqvb\t10\n纟\tzzpp\t1\n纟\txxxx\t5\n";

struct Made {
    ToolRun run;
    std::vector<CheckedEntry> entries;
};

Made MakeFrom(const std::string& list, const std::vector<std::string>& options = {}) {
    TempPath listFile("make_list.txt", list), table("make_table.yaml", tinyTable),
        out("make_out.txt");
    std::vector<std::string> arguments = {"make"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.insert(arguments.end(), {listFile.path(), table.path(), out.path()});
    Made made{RunTool(arguments), {}};
    CheckResult result;
    if (made.run.exitCode == exitClean && CheckPracticeFile(out.path(), result)) {
        EXPECT_TRUE(result.findings.empty());
        made.entries = result.entries;
    }
    return made;
}

bool StartsWith(const char* text, const std::string& prefix) {
    return std::strncmp(text, prefix.c_str(), prefix.size()) == 0;
}

bool Contains(const char* text, const std::string& part) {
    return std::strstr(text, part.c_str()) != nullptr;
}

} // namespace

TEST(Make, FullCodesWithTheWordingOfEachKind) {
    const Made made = MakeFrom(std::string(u8"王 五\n一的地纟  # the rest is a comment: 你\n"));
    ASSERT_EQ(made.run.exitCode, exitClean) << made.run.err;
    ASSERT_EQ(made.entries.size(), 6u);
    const char* codes[] = {"gggg", "gghg", "ggll", "rqyy", "fbn", "xxxx"};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_STREQ(made.entries[i].entry.code, codes[i]);
    EXPECT_STREQ(made.entries[0].entry.character, "王");
    EXPECT_TRUE(StartsWith(made.entries[0].entry.reason, "键名字：连打四下G。横区11。"));
    EXPECT_TRUE(Contains(made.entries[0].entry.reason, "三级简码ggg"));
    EXPECT_FALSE(Contains(made.entries[0].entry.reason, "一级简码")); // commented out
    EXPECT_TRUE(StartsWith(made.entries[1].entry.reason,
                           "成字字根：先打G(报户口)，再打笔画G(横)H(竖)G(横)。"));
    EXPECT_TRUE(StartsWith(made.entries[2].entry.reason, "单笔画：G打两下，再加两个L。"));
    EXPECT_STREQ(made.entries[3].entry.reason,
                 "全码rqyy：R(白,撇区) Q(金,撇区) Y(言,捺区) Y(言,捺区)。另有简码r、rqy。");
    EXPECT_STREQ(made.entries[4].entry.reason,
                 "全码fbn：F(土,横区) B(子,折区) N(已,折区)。另有一级简码f，二级简码fb。");
    EXPECT_TRUE(StartsWith(made.entries[5].entry.reason, "键名字：连打四下X。"));
}

TEST(Make, ShortCodes) {
    const Made one = MakeFrom(u8"一的", {"--code=1"});
    ASSERT_EQ(one.run.exitCode, exitClean) << one.run.err;
    ASSERT_EQ(one.entries.size(), 2u);
    EXPECT_STREQ(one.entries[0].entry.code, "g");
    EXPECT_STREQ(one.entries[0].entry.reason,
                 "一级简码：只打G(王,横区)。全码ggll。另有三级简码ggl。本区：一地在要工。");
    EXPECT_STREQ(one.entries[1].entry.code, "r");

    const Made two = MakeFrom(u8"五地", {"--code=2"});
    ASSERT_EQ(two.run.exitCode, exitClean) << two.run.err;
    EXPECT_STREQ(two.entries[1].entry.code, "fb");
    EXPECT_STREQ(two.entries[1].entry.reason,
                 "二级简码：F(土,横区)+B(子,折区)。全码fbn。另有一级简码f。");

    const Made three = MakeFrom(u8"的", {"--code=3"});
    ASSERT_EQ(three.run.exitCode, exitClean) << three.run.err;
    EXPECT_STREQ(three.entries[0].entry.code, "rqy");
    EXPECT_TRUE(
        StartsWith(three.entries[0].entry.reason, "三级简码：R(白,撇区)+Q(金,撇区)+Y(言,捺区)。"));
}

TEST(Make, ListsInGbkOrWithByteOrderMarkGiveTheSameFile) {
    const Made utf8 = MakeFrom(u8"的地");
    const Made bom = MakeFrom("\xEF\xBB\xBF" + std::string(u8"的\r\n地\r\n"));
    const Made gbk = MakeFrom("的\n地\n");
    ASSERT_EQ(gbk.entries.size(), 2u);
    for (const Made* other : {&bom, &gbk}) {
        ASSERT_EQ(other->entries.size(), utf8.entries.size());
        for (std::size_t i = 0; i < utf8.entries.size(); ++i)
            EXPECT_EQ(
                std::memcmp(&other->entries[i].entry, &utf8.entries[i].entry, sizeof(CharEntry)),
                0);
    }
}

TEST(Make, RefusesWhatItCannotMakeAndWritesNothing) {
    const struct {
        const char* name;
        std::string list;
        std::vector<std::string> options;
        const char* expected;
    } cases[] = {
        {"not in the table", u8"的\n你\n", {}, "(U+4F60) is not in the table"},
        {"no such short code", u8"的", {"--code=2"}, "(U+7684) has no two-letter short code"},
        {"empty list", "# nothing\n", {}, ": error: the list holds no characters"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempPath list("refuse_list.txt", c.list), table("refuse_table.yaml", tinyTable),
            out("refuse_out.txt", "old");
        std::vector<std::string> arguments = {"make"};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        arguments.insert(arguments.end(), {list.path(), table.path(), out.path()});
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.exitCode, exitFindings);
        // The report shows the character itself in the console's encoding.
        EXPECT_NE(run.err.find(c.expected), std::string::npos) << run.err;
        EXPECT_EQ(out.read(), "old");
    }
}

TEST(Make, MissingFilesAndBadOptionsExitTwo) {
    TempPath list("bad_list.txt", u8"的"), table("bad_table.yaml", tinyTable),
        missing("bad_missing.yaml"), out("bad_out.txt");
    EXPECT_EQ(RunTool({"make", list.path(), missing.path(), out.path()}).exitCode, exitFailed);
    EXPECT_EQ(RunTool({"make", missing.path(), table.path(), out.path()}).exitCode, exitFailed);
    EXPECT_EQ(RunTool({"make", "--code=4", list.path(), table.path(), out.path()}).exitCode,
              exitFailed);
    EXPECT_FALSE(out.exists());
}

// However many codes a character has, the explanation fits its line.
TEST(Make, ExplanationsAlwaysFit) {
    const CharCodes crowded = {"rqyy", {"r", "q", "rq", "rr", "rqy", "rqq", "rqyx", "rqyz"}};
    for (const char* character : {"的", "王", "五", "一", "地"})
        for (const std::string& drilled :
             {std::string("rqyy"), std::string("r"), std::string("rq"), std::string("rqy")})
            EXPECT_LE(ExplainCode(character, crowded, drilled).size(), longestReason);
    const CharCodes keyName = {"qqqq", {"q", "qq", "qqq", "qqqa", "qqqb"}};
    EXPECT_LE(ExplainCode("金", keyName, "qqqq").size(), longestReason);
}
