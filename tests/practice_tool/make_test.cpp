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
          u8"地\tfbn\t80\n地\tfbx\t1\n" // a second code as long as the full code
          u8"你好\twqvb\t10\n纟\tzzzz\t9\n纟\txxxx\t5\n");

// Made with the table above, or with --wubi=98 the 98 table beside the tool.
std::vector<CheckedEntry> MakeFrom(std::vector<std::string> options) {
    TempFile in("make_in.txt", u8"王五一的地纟"), out("make_out.txt");
    const bool bundled = std::find(options.begin(), options.end(), "--wubi=98") != options.end();
    options.insert(options.begin(), "make");
    options.insert(options.end(), {in.path, table.path, out.path});
    if (bundled)
        options.erase(options.end() - 2);
    EXPECT_EQ(RunTool(options).first, exitClean);
    CheckResult result;
    CheckPracticeFile(out.path.c_str(), result);
    return result.entries;
}

} // namespace

TEST(Make, WordsEachKindOfCode) {
    const char* cases[][5] = {
        {"--wubi=86", "--code=full", "0", "gggg",
         "键名字：连打四下G。横区11。另有三级简码ggg。口诀："},
        {"--wubi=86", "--code=full", "1", "gghg",
         "成字字根：先打G(报户口)，再打笔画G(横)H(竖)G(横)。"},
        {"--wubi=86", "--code=full", "2", "ggll", "单笔画：G打两下，再加两个L。"},
        {"--wubi=86", "--code=full", "3", "rqyy",
         "全码rqyy：白R 勹Q 丶Y + 识别码Y（末笔丶，左右型）。另有简码r、rqy。"},
        {"--wubi=86", "--code=full", "4", "fbn",
         "全码fbn：土F 也B + 识别码N（末笔乙，左右型）。另有编码f、fb、fbx。"},
        {"--wubi=86", "--code=full", "5", "xxxx", "键名字：连打四下X。"},
        {"--wubi=86", "--code=1", "0", "g", "一级简码g：只打G。全码ggll。另有三级简码ggl。本区："},
        {"--wubi=86", "--code=2", "1", "fb",
         "二级简码fb：土F 也B。全码fbn：土F 也B + 识别码N（末笔乙，左右型）。"},
        {"--wubi=86", "--code=3", "3", "rqy", "三级简码rqy：白R 勹Q 丶Y。全码rqyy：白R"},
        {"--wubi=86", "--code=3", "0", "ggg", "三级简码ggg：连打三下G。全码gggg。"},
        {"--wubi=86", "--code=3", "2", "ggl", "三级简码ggl：G打两下，再加一个L。全码ggll。"},
        {"--wubi=98", "--code=full", "3", "rqyy",
         "全码rqyy：白R 勹Q 丶Y + 识别码Y（末笔丶，左右型）"},
        {"--wubi=98", "--code=full", "5", "xnng",
         "成字码元：先打X(报户口)，再打笔画N(折)N(折)G(横)。"},
        {"--wubi=98", "--code=full", "0", "gggg",
         "键名字：连打四下G。横区11。另有三级简码ggg。本键码元：王 青字头"},
        {"--wubi=98", "--code=1", "0", "g", "一级简码g：只打G。全码ggll。本区：一地在要工。"},
    };
    for (const auto& c : cases) {
        const std::vector<CheckedEntry> entries = MakeFrom({c[0], c[1]});
        const CharEntry& made = entries.at(static_cast<std::size_t>(c[2][0] - '0')).entry;
        EXPECT_STREQ(made.code, c[3]);
        EXPECT_EQ(std::string(made.reason).rfind(c[4], 0), 0u) << made.reason;
    }
}

// The shuffled orders must come out natively and under Windows alike.
TEST(Make, OrdersByTextByWeightOrByNumber) {
    const std::vector<std::string> cases[][2] = {
        {{}, {"王五一的地纟"}},
        {{"--order=frequency"}, {"的一王地五纟"}},
        {{"--order=shuffle", "--number=1"}, {"纟地一的王五"}},
        {{"--number=2", "--order=shuffle"}, {"五地一纟的王"}},
        {{"--seed=2", "--order=shuffle"}, {"五地一纟的王"}},
        {{"--wubi=98", "--order=frequency"}, {"的一地王五纟"}}, // the shipped 86 table's weights
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
