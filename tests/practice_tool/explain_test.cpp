// The explanations: each kind of code worded whole, what a line too long
// keeps, and the explanations of the most common characters.
#include "practice_tool/wubi/explain.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/text/practice_format.h"
#include "practice_tool/text/utf8.h"
#include "practice_tool/tool_platform.h"
#include "practice_tool/wubi/key_charts.h"
#include "practice_tool/wubi/radical_data_file.h"
#include "practice_tool/wubi/spelling.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// The explanation, as UTF-8, of `drilled` for `character` with `codes` (the
// full code first), its glyphs from the radical data beside the tests.
std::string Explain(WubiVersion version, char32_t character, std::vector<std::string> codes,
                    const std::string& drilled) {
    std::map<char32_t, std::u32string> glyphs;
    Problem problem;
    EXPECT_TRUE(ReadRadicalData(DataFilesIn(ProgramFolder(), version).radicals.c_str(), {character},
                                glyphs, problem));
    CharCodes sorted{codes.front(), {codes.begin() + 1, codes.end()}};
    const std::string said =
        ExplainCode(version, GbkCharacter(character), sorted, drilled, glyphs[character]);
    EXPECT_LE(said.size(), longestLine) << Utf8FromGbk(said);
    return Utf8FromGbk(said);
}

} // namespace

TEST(Explain, WordsEachKindOfCode) {
    constexpr WubiVersion v86 = WubiVersion::wubi86, v98 = WubiVersion::wubi98;
    const std::tuple<WubiVersion, char32_t, std::vector<std::string>, std::string, std::string>
        cases[] = {
            {v86,
             U'王',
             {"gggg", "g", "ggg"},
             "gggg",
             u8"键名字：连打四下G。横区11。另有一级简码g，三级简码ggg。口诀：王旁青头戋五一"},
            {v86,
             U'五',
             {"gghg", "gg", "ggh"},
             "gghg",
             u8"成字字根：先打G(报户口)，再打笔画G(横)H(竖)G(横)。横区11。口诀：王旁青头戋五一"},
            {v86,
             U'一',
             {"ggll", "g", "ggl"},
             "ggll",
             u8"单笔画：G打两下，再加两个L。横区11。另有简码g、ggl。口诀：王旁青头戋五一"},
            {v86,
             U'的',
             {"rqyy", "r", "rqy"},
             "rqyy",
             u8"全码rqyy：白R 勹Q 丶Y + 识别码Y（末笔丶，左右型）。另有简码r、rqy。"},
            {v86,
             U'地',
             {"fbn", "f", "fb", "fbx"},
             "fbn",
             u8"全码fbn：土F 也B + 识别码N（末笔乙，左右型）。另有编码f、fb、fbx。"},
            {v86,
             U'一',
             {"ggll", "g", "ggl"},
             "g",
             u8"一级简码g：只打G。全码ggll。另有三级简码ggl。本区：一地在要工。"},
            {v86,
             U'地',
             {"fbn", "f", "fb"},
             "fb",
             u8"二级简码fb：土F 也B。全码fbn：土F 也B + 识别码N（末笔乙，左右型）。另有简码f。"},
            {v86,
             U'的',
             {"rqyy", "r", "rqy"},
             "rqy",
             u8"三级简码rqy：白R 勹Q 丶Y。全码rqyy：白R 勹Q 丶Y + 识别码Y（末笔丶，左右型）。"},
            {v86,
             U'王',
             {"gggg", "g", "ggg"},
             "ggg",
             u8"三级简码ggg：连打三下G。全码gggg。另有一级简码g。"},
            {v86,
             U'一',
             {"ggll", "g", "ggl"},
             "ggl",
             u8"三级简码ggl：G打两下，再加一个L。全码ggll。另有一级简码g。"},
            {v86,
             U'有',
             {"def", "e", "de"},
             "e",
             u8"一级简码e：只打E（撇区33）。全码def：左字头D 月E + 识别码F（末笔一，上下型）。"},
            {v86, U'蔻', {"apfl"}, "apfl", u8"全码apfl：A(横区) P(捺区) F(横区) L(竖区)。"},
            {v98,
             U'的',
             {"rqyy", "r", "rqy"},
             "rqyy",
             u8"全码rqyy：白R 勹Q 丶Y + 识别码Y（末笔丶，左右型）。另有简码r、rqy。"},
            {v98, U'纟', {"xnng"}, "xnng", u8"成字码元：先打X(报户口)，再打笔画N(折)N(折)G(横)。"},
            {v98,
             U'王',
             {"gggg", "g", "ggg"},
             "gggg",
             u8"键名字：连打四下G。横区11。另有简码g、ggg。本键码元：王 青字头 五 夫 一"},
            {v98, U'一', {"ggll", "g"}, "g", u8"一级简码g：只打G。全码ggll。本区：一地在要工。"},
        };
    for (const auto& [version, character, codes, drilled, expected] : cases)
        EXPECT_EQ(Explain(version, character, codes, drilled), expected) << Utf8({character});
}

// A line too long drops the other codes first (named by level, then listed),
// then the extra, then the detail; never a part of a name or a character.
TEST(Explain, KeepsWhatMattersWhenTheLineIsTooLong) {
    const std::string core = u8"全码rqyy：白R 勹Q 丶Y + 识别码Y（末笔丶，左右型）。";
    const std::tuple<std::vector<std::string>, std::string, std::string> cases[] = {
        {{"rqyy", "r"}, "rqyy", core + u8"另有一级简码r。"},
        {{"rqyy", "r", "rq", "rqy"}, "rqyy", core + u8"另有简码r、rq、rqy。"},
        {{"rqyy", "r", "rq", "rqy", "rqya", "rqyb"}, "rqyy", core},
        // The extra (the zone's characters) goes before the radicals of the full code.
        {{"rqyy", "r", "rqy"}, "r", u8"一级简码r：白R。" + core},
    };
    for (const auto& [codes, drilled, expected] : cases)
        EXPECT_EQ(Explain(WubiVersion::wubi86, U'的', codes, drilled), expected);
}
