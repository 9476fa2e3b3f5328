// Spelling: glyphs read by their place, and against the tables: found through
// its name on the chart, each radical's key, with the identification code,
// spells every GB2312 character's full code but for the few the data's README
// lists; every character's explanations; the rule of the last stroke; the
// radicals a code of four leaves out.
#include "practice_tool/wubi/spelling.h"
#include "practice_tool/text/ascii.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/text/practice_format.h"
#include "practice_tool/text/utf8.h"
#include "practice_tool/text/whole_file.h"
#include "practice_tool/tool_platform.h"
#include "practice_tool/wubi/explain.h"
#include "practice_tool/wubi/key_charts.h"
#include "practice_tool/wubi/last_stroke.h"
#include "practice_tool/wubi/radical_data_file.h"
#include "practice_tool/wubi/rime_table.h"
#include "practice_tool/wubi/stroke_counts.h"

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

// Every character of GB2312, each of its codes: the full code's explanation
// names each radical with its key, in order, and the identification code, but
// for the characters of a key's own, which say how they are typed, and those
// the data's README lists; no line drops a code of one or two letters or an
// only short code, and none is over 78 bytes.
TEST(Spelling, ExplanationsOfEveryGb2312CharacterNameTheirRadicals) {
    for (WubiVersion version : versions) {
        Material material = Read(version);
        std::size_t named = 0, ownKind = 0, lines = 0, withRule = 0;
        std::u32string keysOnly, dropping;
        for (char32_t character : material.gb2312) {
            const CharCodes codes = SortCodes(material.codes[character]);
            const std::string gbk = GbkCharacter(character);
            std::vector<std::string> drilled = codes.shorter;
            drilled.push_back(codes.full);
            for (const std::string& code : drilled) {
                const std::string said =
                    ExplainCode(version, gbk, codes, code, material.glyphs[character]);
                ++lines;
                EXPECT_LE(said.size(), longestLine) << Utf8FromGbk(said);
                for (const std::string& other : codes.shorter)
                    if (other != code &&
                        (other.size() <= 2 || (codes.shorter.size() == 1 && code == codes.full)) &&
                        said.find(other) == std::string::npos)
                        dropping += character;
            }
            const std::string said =
                ExplainCode(version, gbk, codes, codes.full, material.glyphs[character]);
            withRule += said.find("末笔算") != std::string::npos ||
                        said.find("内末笔") != std::string::npos;
            Spelling spelling;
            bool names = Spells(version, material, character, spelling);
            std::size_t at = 0;
            for (const SpelledRadical& radical : spelling.radicals)
                names =
                    names && (at = said.find(radical.name + std::string(1, AsciiUpper(radical.key)),
                                             at)) != std::string::npos;
            if (spelling.identification)
                names =
                    names && said.find(std::string("识别码") + AsciiUpper(spelling.identification) +
                                       "（") != std::string::npos;
            KeyCharacter kind;
            if (FindKeyCharacter(version, gbk.c_str(), kind) != nullptr)
                ++ownKind;
            else if (names)
                ++named;
            else
                keysOnly += character;
        }
        std::printf("Wubi %s: of the %zu characters of GB2312, %zu explanations name their "
                    "radicals (%zu with the rule of the last stroke), %zu are of a key's own "
                    "characters, %zu tell keys only: %s; of %zu lines, %zu drop a code of one or "
                    "two letters or an only short code\n",
                    DataOf(version).number, material.gb2312.size(), named, withRule, ownKind,
                    keysOnly.size(), Utf8(keysOnly).c_str(), lines, dropping.size());
        EXPECT_EQ(Utf8(dropping), "");
        const std::string listed = Listed(version);
        for (char32_t character : keysOnly)
            EXPECT_NE(listed.find(Utf8({character})), std::string::npos) << Utf8({character});
    }
}

// The rule that gives the identification code's last stroke, by each
// version's own: "holder" where the inner part gives it, "counted" where 86
// counts a radical as ending in 折 or 丿; "" where the written stroke stands.
TEST(Spelling, TellsTheRuleOfTheLastStroke) {
    const std::tuple<WubiVersion, const char*, const char*> cases[] = {
        {WubiVersion::wubi86, u8"这国区式或", u8"holder"},
        {WubiVersion::wubi86, u8"边透", u8"holder counted"},
        {WubiVersion::wubi86, u8"男坊奶伐浅", u8"counted"},
        {WubiVersion::wubi86, u8"划垡的", u8""},
        {WubiVersion::wubi98, u8"这边国区成", u8"holder"},
        {WubiVersion::wubi98, u8"男伐坊奶", u8""},
    };
    for (const auto& [version, characters, expected] : cases) {
        Material material = Read(version);
        const std::string text = characters;
        for (std::size_t at = 0; at < text.size();) {
            char32_t character;
            ASSERT_TRUE(NextUtf8(text, at, character));
            Spelling spelling;
            ASSERT_TRUE(Spells(version, material, character, spelling));
            const LastStrokeRule rule = LastStrokeRuleOf(version, spelling);
            const std::string said = std::string(rule.holder ? "holder" : "") +
                                     (rule.holder && rule.counted ? " " : "") +
                                     (rule.counted ? "counted" : "");
            EXPECT_EQ(said, expected) << Utf8({character}) << " in " << DataOf(version).number;
        }
    }
}

// The strokes tell which codes of four radicals leave some out: 86's 赢 and
// 键 (聿 is 彐 二 丨 there), not 98's 键 (彐 两横一竖) nor the characters of
// four radicals that hold every stroke.
TEST(Spelling, FindsTheRadicalsAFourLetterCodeLeavesOut) {
    StrokeCounts counts;
    ASSERT_TRUE(ReadStrokeCounts((ProgramFolder() + "strokes.txt").c_str(), counts));
    const std::tuple<WubiVersion, const char*, const char*> cases[] = {
        {WubiVersion::wubi86, u8"赢键输", u8"啊的"},
        {WubiVersion::wubi98, u8"输", u8"键啊的"},
    };
    for (const auto& [version, skipping, holding] : cases) {
        Material material = Read(version);
        std::u32string found;
        for (char32_t character : material.gb2312)
            if (SkipsRadicals(character, material.glyphs[character], counts))
                found += character;
        for (const auto& [text, skips] : {std::pair(skipping, true), std::pair(holding, false)}) {
            const std::string characters = text;
            char32_t character;
            for (std::size_t at = 0; NextUtf8(characters, at, character);)
                EXPECT_EQ(found.find(character) != std::u32string::npos, skips)
                    << Utf8({character});
        }
        std::printf("Wubi %s: %zu characters of GB2312 are typed by four of more radicals\n",
                    DataOf(version).number, found.size());
    }
}
