// Spelling: glyphs read by their place, and against the tables: found through
// its name on the chart, each radical's key, with the identification code,
// spells every GB2312 character's full code but for the few the data's README
// lists.
#include "practice_tool/wubi/spelling.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/text/utf8.h"
#include "practice_tool/text/whole_file.h"
#include "practice_tool/tool_platform.h"
#include "practice_tool/wubi/radical_data_file.h"
#include "practice_tool/wubi/rime_table.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

constexpr WubiVersion versions[] = {WubiVersion::wubi86, WubiVersion::wubi98};

// Each GB2312 character of a version, in table order, with its codes and glyphs.
struct Material {
    RimeTable table;
    CodesOfCharacters codes;
    std::map<char32_t, std::u32string> glyphs;
    std::u32string gb2312;
};

Material Read(WubiVersion version) {
    Material read;
    Problem problem;
    const DataFiles files = DataFilesIn(ProgramFolder(), version);
    EXPECT_TRUE(ReadRimeTable(files.table.c_str(), read.table, problem));
    read.codes = CodesByCharacter(read.table);
    for (const RimeEntry& entry : read.table.entries)
        if (InGb2312(entry.character) && read.gb2312.find(entry.character) == std::u32string::npos)
            read.gb2312 += entry.character;
    const std::set<char32_t> wanted(read.gb2312.begin(), read.gb2312.end());
    EXPECT_TRUE(ReadRadicalData(files.radicals.c_str(), wanted, read.glyphs, problem));
    return read;
}

// The characters the data's README lists for `version` ("- 86: 纛 蔻 靥").
std::string Listed(WubiVersion version) {
    std::string readme;
    EXPECT_TRUE(ReadWholeFile((ProgramFolder() + "data-README.md").c_str(), readme));
    const std::string mark = std::string("\n- ") + DataOf(version).number + ": ";
    const std::size_t at = readme.find(mark);
    return at == std::string::npos ? "" : readme.substr(at, readme.find('\n', at + 1) - at);
}

bool Spells(WubiVersion version, Material& material, char32_t character, Spelling& spelling) {
    return SpellGlyphs(version, material.glyphs[character], spelling) &&
           spelling.code() == SortCodes(material.codes[character]).full;
}

} // namespace

// An identification code by glyph and place: the last glyph after two or three
// radicals; a glyph without a name, or a name not on the version's chart, spells nothing.
TEST(Spelling, ReadsGlyphsByTheirPlace) {
    const std::tuple<WubiVersion, std::u32string, std::string> cases[] = {
        {WubiVersion::wubi86, U"\uE0E1\uE124\uE147\uE13D", "rqyy"}, // 白 勹 丶, 识别码 Y
        {WubiVersion::wubi86, U"\uE0E1\uE124\uE13D", "rqy"},        // the code after two
        {WubiVersion::wubi86, U"\uE0E1\uE13D", "ry"},               // 丶 itself after one
        {WubiVersion::wubi86, U"\uE0E1\uE124\uE000", "rqg"},        // a glyph of codes only
        {WubiVersion::wubi86, U"\uE0E1\uE000", ""},
        {WubiVersion::wubi86, U"\uE004\uE0E1", ""}, // 夫 is on no key of 86
        {WubiVersion::wubi98, U"\uE004\uE0E1", "gr"},
        {WubiVersion::wubi86, U"\uE0E1\uE00D", ""}, // no name
        {WubiVersion::wubi86, U"", ""},
    };
    for (const auto& [version, glyphs, code] : cases) {
        Spelling spelling;
        EXPECT_EQ(SpellGlyphs(version, glyphs, spelling) ? spelling.code() : "", code) << code;
    }
    EXPECT_EQ(Utf8FromGbk(IdentificationMeaning('y') + IdentificationMeaning('v')),
              u8"末笔丶，左右型末笔乙，杂合型");
    EXPECT_EQ(IdentificationMeaning('s'), "");
}

TEST(Spelling, SpellsTheFullCodeOfEveryGb2312Character) {
    for (WubiVersion version : versions) {
        Material material = Read(version);
        std::u32string differing;
        for (char32_t character : material.gb2312) {
            Spelling spelling;
            if (!Spells(version, material, character, spelling))
                differing += character;
        }
        const std::size_t total = material.gb2312.size(), agreeing = total - differing.size();
        std::printf("Wubi %s: the radicals spell %zu of %zu full codes (%.2f %%); not: %s\n",
                    DataOf(version).number, agreeing, total, 100.0 * agreeing / total,
                    Utf8(differing).c_str());
        EXPECT_EQ(total, 6763u);
        const std::string listed = Listed(version);
        for (char32_t character : differing)
            EXPECT_NE(listed.find(Utf8({character})), std::string::npos) << Utf8({character});
    }
}
