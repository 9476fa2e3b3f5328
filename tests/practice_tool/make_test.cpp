// make: practice files for the characters of any text, from a Wubi table.
#include "tool_test_support.h"

#include "practice_tool/check.h"
#include "practice_tool/make.h"
#include "practice_tool/shuffle.h"

namespace {

// Comments, a header, a commented-out code, a phrase and a lookup code to skip.
const TempFile
    table("make_table.yaml",
          u8"# Rime dictionary: tiny\n---\nname: tiny\n...\n\n王\tggg\t100\n王\tgggg\t100\n"
          u8"#王\tg\t5\n五\tgg\t10\n五\tggh\t50\n五\tgghg\t50\n一\tg\t200\tgg\n一\tggl\t300\n"
          u8"一\tggll\t300\n的\tr\t400\n的\trqy\t400\n的\trqyy\t400\n地\tf\t90\n地\tfb\t90\n"
          u8"地\tfbn\t80\n你好\twqvb\t10\n纟\tzzzz\t9\n纟\txxxx\t5\n");

std::vector<CheckedEntry> MakeFrom(std::vector<std::string> options) {
    TempFile in("make_in.txt", u8"王五一的地纟"), out("make_out.txt");
    options.insert(options.begin(), "make");
    options.insert(options.end(), {in.path, table.path, out.path});
    EXPECT_EQ(RunTool(options).first, exitClean);
    CheckResult result;
    CheckPracticeFile(out.path.c_str(), result);
    return result.entries;
}

} // namespace

TEST(Make, WordsEachKindOfCode) {
    const char* cases[][4] = {
        {"--code=full", "0", "gggg", "键名字：连打四下G。横区11。另有三级简码ggg。口诀："},
        {"--code=full", "1", "gghg", "成字字根：先打G(报户口)，再打笔画G(横)H(竖)G(横)。"},
        {"--code=full", "2", "ggll", "单笔画：G打两下，再加两个L。"},
        {"--code=full", "3", "rqyy",
         "全码rqyy：R(白,撇区) Q(金,撇区) Y(言,捺区) Y(言,捺区)。另有简码r、rqy。"},
        {"--code=full", "4", "fbn",
         "全码fbn：F(土,横区) B(子,折区) N(已,折区)。另有一级简码f，二级简码fb。"},
        {"--code=full", "5", "xxxx", "键名字：连打四下X。"},
        {"--code=1", "0", "g",
         "一级简码：只打G(王,横区)。全码ggll。另有三级简码ggl。本区：一地在要工。"},
        {"--code=2", "1", "fb", "二级简码：F(土,横区)+B(子,折区)。全码fbn。另有一级简码f。"},
        {"--code=3", "3", "rqy", "三级简码：R(白,撇区)+Q(金,撇区)+Y(言,捺区)。全码rqyy。"},
    };
    for (const auto& c : cases) {
        const std::vector<CheckedEntry> entries = MakeFrom({c[0]});
        const CharEntry& made = entries.at(static_cast<std::size_t>(c[1][0] - '0')).entry;
        EXPECT_STREQ(made.code, c[2]);
        EXPECT_EQ(std::string(made.reason).rfind(c[3], 0), 0u) << made.reason;
    }
}

// The shuffled orders must come out natively and under Windows alike.
TEST(Make, OrdersByTextByWeightOrByNumber) {
    const std::vector<std::string> cases[][2] = {
        {{}, {"王五一的地纟"}},
        {{"--order=frequency"}, {"的一王地五纟"}},
        {{"--order=shuffle", "--number=1"}, {"纟地一的王五"}},
        {{"--number=2", "--order=shuffle"}, {"五地一纟的王"}},
    };
    for (const auto& c : cases) {
        std::string order;
        for (const CheckedEntry& made : MakeFrom(c[0]))
            order += made.entry.character;
        EXPECT_EQ(order, c[1][0]);
    }
    Pcg32 reference(42); // pcg32_srandom_r(42, 54) of the generator's reference code
    for (std::uint32_t expected : {0xa15c02b7u, 0x7b47f409u, 0xba1d3330u, 0x83d2f293u})
        EXPECT_EQ(reference.next(), expected);
}
