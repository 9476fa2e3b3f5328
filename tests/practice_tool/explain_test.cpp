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
                    const std::string& drilled, bool skips = false) {
    std::map<char32_t, std::u32string> glyphs;
    Problem problem;
    EXPECT_TRUE(ReadRadicalData(DataFilesIn(ProgramFolder(), version).radicals.c_str(), {character},
                                glyphs, problem));
    CharCodes sorted{codes.front(), {codes.begin() + 1, codes.end()}};
    const std::string said =
        ExplainCode(version, GbkCharacter(character), sorted, drilled, glyphs[character], skips);
    EXPECT_LE(said.size(), longestLine) << Utf8FromGbk(said);
    return Utf8FromGbk(said);
}

// "fbn f fb": the codes, the full code first.
std::vector<std::string> Words(const std::string& codes) {
    std::vector<std::string> words;
    for (std::size_t start = 0, end; start < codes.size(); start = end + 1)
        words.push_back(
            codes.substr(start, (end = std::min(codes.find(' ', start), codes.size())) - start));
    return words;
}

} // namespace

TEST(Explain, WordsEachKindOfCode) {
    constexpr WubiVersion v86 = WubiVersion::wubi86, v98 = WubiVersion::wubi98;
    const std::tuple<WubiVersion, char32_t, std::string, std::string, std::string> cases[] = {
        {v86, U'王', "gggg g ggg", "gggg",
         u8"键名字：连打四下G。另有一、三级简码g、ggg。横区11。口诀：王旁青头戋五一"},
        {v86, U'五', "gghg", "gghg",
         u8"成字字根：先打G(报户口)，再打首笔G(横)、次笔H(竖)、末笔G(横)。横区11。"},
        // Two strokes; 力's code leaves the written order (折 then 撇).
        {v86, U'八', "wty", "wty", u8"成字字根：先打W(报户口)，再打首笔T(撇)、次笔Y(捺)。撇区34。"},
        {v86, U'力', "ltn lt", "ltn",
         u8"成字字根：先打L(报户口)，再打笔画T(撇)N(折)。另有二级简码lt。竖区24。"},
        {v86, U'刂', "jhh", "jhh", u8"成字字根：先打J(报户口)，再打首笔H(竖)、次笔H(竖)。竖区22。"},
        {v98, U'孑', "bnhg", "bnhg",
         u8"成字码元：先打B(报户口)，再打首笔N(折)、次笔H(竖)、末笔G(横)。折区52。"},
        {v86, U'一', "ggll g ggl", "ggll",
         u8"单笔画：G打两下，再加两个L。另有一、三级简码g、ggl。横区11。"},
        {v86, U'的', "rqyy r rqy", "rqyy",
         u8"全码rqyy：白R 勹Q 丶Y + 识别码Y（末笔丶，左右型）。另有一、三级简码r、rqy。"},
        {v86, U'地', "fbn f fb fbx", "fbn",
         u8"全码fbn：土F 也B + 识别码N（末笔乙，左右型）。另有一、二级简码f、fb，全码fbx。"},
        {v86, U'边', "lpv lp", "lpv",
         u8"全码lpv：力L 辶P + 识别码V（辶内末笔乙，杂合型；力末笔算乙）。另有二级简码lp。"},
        {v86, U'靥', "dddd dddl", "dddd",
         u8"全码dddd：厂D 犬D 丆D 三D。dddd也是大的全码。另有全码dddl。"},
        // The names learners use: 86's 勹 and 礻无点 / 衤无点, 98's 马无横.
        {v86, U'敖', "gqty", "gqty", u8"全码gqty：青字头G 勹Q 攵T + 识别码Y（末笔丶，左右型）。"},
        {v86, U'礼', "pynn", "pynn", u8"全码pynn：礻无点P 丶Y 乚N + 识别码N（末笔乙，左右型）。"},
        {v86, U'被', "puhc", "puhc", u8"全码puhc：衤无点P 两点U 皮无又H 又C。"},
        {v98, U'吗', "kcgg", "kcgg", u8"全码kcgg：口K 马无横C 一G + 识别码G（末笔一，左右型）。"},
        {v86, U'一', "ggll g ggl", "g",
         u8"一级简码g：只打G。全码ggll。另有三级简码ggl。本区：一地在要工。"},
        {v86, U'地', "fbn f fb", "fb", u8"二级简码fb：土F 也B。全码fbn。另有一级简码f。"},
        {v86, U'的', "rqyy r rqy", "rqy", u8"三级简码rqy：白R 勹Q 丶Y。全码rqyy。另有一级简码r。"},
        {v86, U'王', "gggg g ggg", "ggg", u8"三级简码ggg：连打三下G。全码gggg。另有一级简码g。"},
        {v86, U'一', "ggll g ggl", "ggl",
         u8"三级简码ggl：G打两下，再加一个L。全码ggll。另有一级简码g。"},
        {v86, U'米', "oyty oy", "oy", u8"二级简码oy：先打O(报户口)，再打首笔Y(捺)。全码oyty。"},
        {v86, U'有', "def e de", "e", u8"一级简码e：只打E（撇区33）。全码def。另有二级简码de。"},
        {v86, U'蔻', "apfl", "apfl", u8"全码apfl：A(横区) P(捺区) F(横区) L(竖区)。"},
        {v98, U'王', "gggg g ggg", "gggg", u8"键名字：连打四下G。另有一、三级简码g、ggg。横区11。"},
        {v98, U'一', "ggll g", "g", u8"一级简码g：只打G。全码ggll。本区：一地在要工。"},
    };
    for (const auto& [version, character, codes, drilled, expected] : cases)
        EXPECT_EQ(Explain(version, character, Words(codes), drilled), expected)
            << Utf8({character});
}

// A line too long keeps, in this order: the code and its radicals, the codes
// of one or two letters and an only short code, the rule of the last stroke,
// the other codes, the strokes' names, the zone and verse.
TEST(Explain, KeepsWhatMattersWhenTheLineIsTooLong) {
    constexpr WubiVersion v86 = WubiVersion::wubi86;
    const std::string core = u8"全码rqyy：白R 勹Q 丶Y + 识别码Y（末笔丶，左右型）。";
    const std::tuple<char32_t, std::vector<std::string>, std::string, std::string> cases[] = {
        {U'的', {"rqyy", "r", "rq", "rqy"}, "rqyy", core + u8"另有一、二级简码r、rq。"},
        {U'的', {"rqyy", "rqy"}, "rqyy", core + u8"另有三级简码rqy。"},
        {U'的', {"rqyy", "r", "rqy"}, "r", u8"一级简码r：白R。" + core},
        {U'上',
         {"hhgg", "h", "hhg"},
         "hhgg",
         u8"成字字根：先打H(报户口)，再打首笔H、次笔G、末笔G。另有一、三级简码h、hhg。"},
        {U'透',
         {"tepv", "tep"},
         "tepv",
         u8"全码tepv：禾T 乃E 辶P + 识别码V（末笔乙，杂合型）。另有三级简码tep。"},
        {U'透',
         {"tepv", "tep", "tee"},
         "tepv",
         u8"全码tepv：禾T 乃E 辶P + 识别码V（辶内末笔乙，杂合型；乃末笔算乙）。"},
    };
    for (const auto& [character, codes, drilled, expected] : cases)
        EXPECT_EQ(Explain(v86, character, codes, drilled), expected) << Utf8({character});
}

// Radicals left out between the third and the last are marked where the line
// has room, after the other codes.
TEST(Explain, MarksTheRadicalsLeftOut) {
    const std::tuple<std::vector<std::string>, bool, std::string> cases[] = {
        {{"ynky"}, true, u8"全码ynky：亠Y 竖折N 口K … 丶Y（取一二三末）。"},
        {{"ynky"}, false, u8"全码ynky：亠Y 竖折N 口K 丶Y。"},
        {{"ynky", "y", "yn", "ynk"},
         true,
         u8"全码ynky：亠Y 竖折N 口K … 丶Y（取一二三末）。另有一、二、三级简码y、yn、ynk。"},
        {{"ynky", "y", "yn", "ynk", "ynkk"},
         true,
         u8"全码ynky：亠Y 竖折N 口K … 丶Y。另有一、二、三级简码y、yn、ynk，全码ynkk。"},
        {{"ynky", "y", "yn", "ynk", "ynkk", "ynkl"},
         true,
         u8"全码ynky：亠Y 竖折N 口K 丶Y。另有一、二、三级简码y、yn、ynk，全码ynkk、ynkl。"},
    };
    for (const auto& [codes, skips, expected] : cases)
        EXPECT_EQ(Explain(WubiVersion::wubi86, U'赢', codes, "ynky", skips), expected);
}
