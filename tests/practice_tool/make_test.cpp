// make: practice files for the characters of any text, from a Wubi table.
#include "tool_test_support.h"

#include "practice_tool/check.h"
#include "practice_tool/make.h"
#include "practice_tool/shuffle.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/wubi/explain.h"
#include "practice_tool/wubi/radical_data_file.h"

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

// Each character the table has with the code asked for, once, with that code and
// the whole explanation of it, from the table given and the radical data beside
// the tool.
TEST(Make, EntriesCarryTheDrilledCodeAndItsExplanation) {
    const std::vector<std::string> cases[][2] = {
        {{"--code=full"}, {"王gggg 五gghg 一ggll 的rqyy 地fbn 纟xxxx"}},
        {{"--code=1"}, {"一g 的r 地f"}},
        {{"--code=2"}, {"五gg 地fb"}},
        {{"--code=3"}, {"王ggg 五ggh 一ggl 的rqy"}}, // fbx is as long as the full code
        {{"--wubi=98"}, {"王gggg 五gghg 一ggll 的rqyy 地fbn 纟xnng"}},
    };
    RimeTable tiny, bundled98;
    Problem problem;
    ASSERT_TRUE(ReadRimeTable(table.path.c_str(), tiny, problem));
    ASSERT_TRUE(ReadRimeTable(DataFilesIn(ProgramFolder(), WubiVersion::wubi98).table.c_str(),
                              bundled98, problem));
    for (const auto& c : cases) {
        const WubiVersion version =
            c[0][0] == "--wubi=98" ? WubiVersion::wubi98 : WubiVersion::wubi86;
        const CodesOfCharacters codes =
            CodesByCharacter(version == WubiVersion::wubi98 ? bundled98 : tiny);
        std::map<char32_t, std::u32string> glyphs;
        ASSERT_TRUE(ReadRadicalData(DataFilesIn(ProgramFolder(), version).radicals.c_str(),
                                    {U'王', U'五', U'一', U'的', U'地', U'纟'}, glyphs, problem));
        std::string made;
        for (const CheckedEntry& checked : MakeFrom(c[0])) {
            const CharEntry& entry = checked.entry;
            made += std::string(made.empty() ? "" : " ") + entry.character + entry.code;
            char32_t character;
            ASSERT_TRUE(DecodeGbk(entry.character, 2, character));
            EXPECT_EQ(entry.reason,
                      ExplainCode(version, entry.character, SortCodes(codes.at(character)),
                                  entry.code, glyphs[character]));
        }
        EXPECT_EQ(made, c[1][0]);
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
