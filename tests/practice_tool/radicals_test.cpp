// The names of the radicals and the charts against the tables: found through
// its name on the chart, each radical's key, with the identification code,
// spells every GB2312 character's full code, and the explanations of the most
// common characters name their radicals.
#include "tool_test_support.h"

#include "practice_tool/explain.h"
#include "practice_tool/gbk.h"
#include "practice_tool/radical_data.h"
#include "practice_tool/samples.h"
#include "practice_tool/utf8.h"

#include <cstdio>

namespace {

struct Material {
    std::map<char32_t, std::vector<TableCode>> codes;
    std::map<char32_t, std::u32string> glyphs;
    std::u32string gb2312; // in table order
};

Material Read(WubiVersion version) {
    const std::string data = BesideProgram("");
    RimeTable table;
    Problem problem;
    Material read;
    EXPECT_TRUE(ReadRimeTable((data + DataOf(version).table).c_str(), table, problem));
    std::set<char32_t> wanted;
    for (const RimeEntry& entry : table.entries) {
        if (!InGb2312(entry.character))
            continue;
        if (wanted.insert(entry.character).second)
            read.gb2312 += entry.character;
        read.codes[entry.character].push_back({entry.code, 0});
    }
    EXPECT_TRUE(
        ReadRadicalData((data + DataOf(version).radicals).c_str(), wanted, read.glyphs, problem));
    return read;
}

std::string Utf8(const std::u32string& characters) {
    std::string text;
    for (char32_t c : characters)
        AppendUtf8(text, c);
    return text;
}

// Where the radical data and the table divide a character differently.
const std::pair<WubiVersion, const char*> disagreements[] = {
    {WubiVersion::wubi86, u8"纛蔻靥"},
    {WubiVersion::wubi98, u8"陲睡唾惯忄骞锤捶掼棰垂缶辔缍"},
};

} // namespace

TEST(Radicals, SpellTheFullCodeOfEveryGb2312Character) {
    for (const auto& [version, expected] : disagreements) {
        const Material material = Read(version);
        std::u32string differing;
        for (char32_t character : material.gb2312) {
            Spelling spelling;
            const auto glyphs = material.glyphs.find(character);
            if (glyphs == material.glyphs.end() ||
                !SpellGlyphs(version, glyphs->second, spelling) ||
                spelling.code() != SortCodes(material.codes.at(character)).full)
                differing += character;
        }
        const std::size_t total = material.gb2312.size();
        std::printf("Wubi %s: the radicals spell %zu of %zu full codes (%.2f %%); not: %s\n",
                    DataOf(version).number, total - differing.size(), total,
                    100.0 * static_cast<double>(total - differing.size()) / total,
                    Utf8(differing).c_str());
        EXPECT_EQ(total, 6763u);
        EXPECT_GE((total - differing.size()) * 1000, total * 995);
        EXPECT_EQ(Utf8(differing), expected);
    }
}

// Each radical's name with its key, in order, and the identification code;
// the key-name characters, single strokes and radicals of their own say so.
TEST(Radicals, ExplanationsOfTheMostCommonCharactersNameThem) {
    RimeTable table86;
    Problem problem;
    ASSERT_TRUE(
        ReadRimeTable(BesideProgram(DataOf(WubiVersion::wubi86).table).c_str(), table86, problem));
    const std::u32string frequent = FrequentCharacters(table86, 1000);
    ASSERT_EQ(frequent.size(), 1000u);
    for (const auto& [version, disagreeing] : disagreements) {
        const Material material = Read(version);
        std::size_t named = 0, ownKind = 0;
        std::u32string keysOnly;
        for (char32_t character : frequent) {
            const CharCodes codes = SortCodes(material.codes.at(character));
            std::string gbk;
            EncodeGbk(character, gbk);
            const std::u32string& glyphs = material.glyphs.at(character);
            const std::string explained = ExplainCode(version, gbk, codes, codes.full, glyphs);
            Spelling spelling;
            if (explained.rfind("键名字", 0) == 0 || explained.rfind("单笔画", 0) == 0 ||
                explained.rfind("成字", 0) == 0) {
                ++ownKind;
                continue;
            }
            std::size_t at = 0;
            bool names = SpellGlyphs(version, glyphs, spelling);
            for (const SpelledRadical& radical : spelling.radicals)
                names = names && (at = explained.find(std::string(radical.name) +
                                                          static_cast<char>(radical.key - 32),
                                                      at)) != std::string::npos;
            if (spelling.identification)
                names = names && explained.find(std::string("识别码") +
                                                static_cast<char>(spelling.identification - 32) +
                                                "（末笔") != std::string::npos;
            if (names)
                ++named;
            else
                keysOnly += character;
        }
        std::printf("Wubi %s: of the 1,000 most common characters, %zu explanations name their "
                    "radicals, %zu are of a key's own characters, %zu tell keys only: %s\n",
                    DataOf(version).number, named, ownKind, keysOnly.size(),
                    Utf8(keysOnly).c_str());
        // Keys only exactly where the radical data and the table disagree.
        for (char32_t character : keysOnly)
            EXPECT_NE(std::string(disagreeing).find(Utf8({character})), std::string::npos)
                << Utf8({character});
        EXPECT_EQ(named + ownKind + keysOnly.size(), 1000u);
    }
}
