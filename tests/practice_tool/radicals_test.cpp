// The names of the radicals and the charts against the tables: found through
// its name on the chart, each radical's key, with the identification code,
// spells every GB2312 character's full code, and the explanations of the most
// common characters name their radicals.
#include "tool_test_support.h"

#include "practice_tool/wubi/explain.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/wubi/radical_data_file.h"
#include "practice_tool/wubi/spelling.h"
#include "practice_tool/wubi/rime_table.h"
#include "practice_tool/text/utf8.h"

#include <cstdio>

namespace {

// Each GB2312 character of a version, in table order, with its codes and glyphs.
struct Material {
    std::map<char32_t, std::vector<TableCode>> codes;
    std::map<char32_t, std::u32string> glyphs;
    std::u32string gb2312;
    RimeTable table;
};

Material Read(WubiVersion version) {
    Material read;
    Problem problem;
    EXPECT_TRUE(
        ReadRimeTable(DataFilesIn(ProgramFolder(), version).table.c_str(), read.table, problem));
    for (const RimeEntry& entry : read.table.entries) {
        std::vector<TableCode>& codes = read.codes[entry.character];
        if (InGb2312(entry.character) && codes.empty())
            read.gb2312 += entry.character;
        codes.push_back({entry.code, 0});
    }
    const std::set<char32_t> wanted(read.gb2312.begin(), read.gb2312.end());
    EXPECT_TRUE(ReadRadicalData(DataFilesIn(ProgramFolder(), version).radicals.c_str(), wanted,
                                read.glyphs, problem));
    return read;
}

// Where the radical data and the table divide a character differently.
const std::pair<WubiVersion, const char*> disagreements[] = {
    {WubiVersion::wubi86, u8"纛蔻靥"},
    {WubiVersion::wubi98, u8"陲睡唾惯忄骞锤捶掼棰垂缶辔缍"},
};

} // namespace

TEST(Radicals, SpellTheFullCodeOfEveryGb2312Character) {
    for (const auto& [version, expected] : disagreements) {
        Material material = Read(version);
        std::u32string differing;
        for (char32_t character : material.gb2312) {
            Spelling spelling;
            if (!SpellGlyphs(version, material.glyphs[character], spelling) ||
                spelling.code() != SortCodes(material.codes[character]).full)
                differing += character;
        }
        const std::size_t total = material.gb2312.size(), agreeing = total - differing.size();
        std::printf("Wubi %s: the radicals spell %zu of %zu full codes (%.2f %%); not: %s\n",
                    DataOf(version).number, agreeing, total, 100.0 * agreeing / total,
                    Utf8(differing).c_str());
        EXPECT_EQ(total, 6763u);
        EXPECT_GE(agreeing * 1000, total * 995);
        EXPECT_EQ(Utf8(differing), expected);
    }
}

// Each radical's name with its key, in order, and the identification code,
// but for the key-name characters, single strokes and radicals of their own,
// which say how they are typed, and where the data and the table disagree.
TEST(Radicals, ExplanationsOfTheMostCommonCharactersNameThem) {
    const std::u32string frequent = FrequentCharacters(Read(WubiVersion::wubi86).table, 1000);
    ASSERT_EQ(frequent.size(), 1000u);
    for (const auto& [version, disagreeing] : disagreements) {
        Material material = Read(version);
        std::size_t named = 0, ownKind = 0;
        std::u32string keysOnly;
        for (char32_t character : frequent) {
            const CharCodes codes = SortCodes(material.codes[character]);
            std::string gbk, said;
            EncodeGbk(character, gbk);
            said = ExplainCode(version, gbk, codes, codes.full, material.glyphs[character]);
            Spelling spelling;
            bool names = SpellGlyphs(version, material.glyphs[character], spelling);
            std::size_t at = 0;
            for (const SpelledRadical& radical : spelling.radicals)
                names = names && (at = said.find(radical.name + std::string(1, radical.key - 32),
                                                 at)) != std::string::npos;
            if (spelling.identification)
                names =
                    names && said.find(std::string("识别码") + char(spelling.identification - 32) +
                                       "（末笔") != std::string::npos;
            for (const char* kind : {"键名字", "单笔画", "成字"})
                ownKind += said.rfind(kind, 0) == 0;
            named += names && said.rfind("全码", 0) == 0;
            if (!names && said.rfind("全码", 0) == 0)
                keysOnly += character;
        }
        std::printf("Wubi %s: of the 1,000 most common characters, %zu explanations name their "
                    "radicals, %zu are of a key's own characters, %zu tell keys only: %s\n",
                    DataOf(version).number, named, ownKind, keysOnly.size(),
                    Utf8(keysOnly).c_str());
        EXPECT_EQ(named + ownKind + keysOnly.size(), 1000u);
        for (char32_t character : keysOnly)
            EXPECT_NE(std::string(disagreeing).find(Utf8({character})), std::string::npos)
                << Utf8({character});
    }
}
