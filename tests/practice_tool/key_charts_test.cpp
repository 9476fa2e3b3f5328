// The key charts of both versions: their shape, and the look-ups through them.
#include "practice_tool/wubi/key_charts.h"
#include "practice_tool/text/ascii.h"
#include "practice_tool/text/gbk.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

constexpr WubiVersion versions[] = {WubiVersion::wubi86, WubiVersion::wubi98};

// The space-separated words of a chart.
std::set<std::string> Words(const std::string& chart) {
    std::set<std::string> words;
    for (std::size_t start = 0, end; start <= chart.size(); start = end + 1) {
        end = std::min(chart.find(' ', start), chart.size());
        words.insert(chart.substr(start, end - start));
    }
    return words;
}

} // namespace

// 25 keys, a to y once each, in five zones of five; each key's name first on
// its chart, and every character it lists among the chart's radicals.
TEST(KeyCharts, TwentyFiveKeysInFiveZones) {
    for (WubiVersion version : versions) {
        std::set<char> letters;
        for (std::size_t i = 0; i < wubiKeyCount; ++i) {
            const WubiKey& key = WubiKeys(version)[i];
            letters.insert(key.letter);
            EXPECT_EQ(key.position, (i / 5 + 1) * 10 + i % 5 + 1) << key.letter;
            EXPECT_STREQ(key.zone, WubiKeys(version)[i / 5 * 5].zone);
            EXPECT_EQ(FindKey(version, AsciiUpper(key.letter)), &key);
            const std::set<std::string> chart = Words(key.chart);
            EXPECT_EQ(std::string(key.chart).rfind(std::string(key.keyName) + " ", 0), 0u);
            const std::string own = std::string(key.stroke) + key.radicals;
            for (std::size_t at = 0; at + 1 < own.size(); at += 2)
                EXPECT_TRUE(chart.count(own.substr(at, 2))) << Utf8FromGbk(own.substr(at, 2));
            EXPECT_EQ(std::strlen(key.levelOne), 2u);
            // The identification code on a key depends on its place alone, the
            // same in both versions.
            EXPECT_EQ(IdentificationKey(key.position / 10, key.position % 10), key.letter);
            EXPECT_EQ(WubiKeys(WubiVersion::wubi86)[i].position, key.position);
        }
        EXPECT_EQ(letters.size(), wubiKeyCount);
        EXPECT_EQ(*letters.begin(), 'a');
        EXPECT_EQ(*letters.rbegin(), 'y');
        EXPECT_EQ(FindKey(version, 'z'), nullptr);
    }
    EXPECT_EQ(IdentificationKey(6, 1), 0);
}

TEST(KeyCharts, FindKeysByCharacterAndByRadicalName) {
    KeyCharacter kind = KeyCharacter::radical;
    EXPECT_EQ(FindKeyCharacter(WubiVersion::wubi86, "王", kind)->letter, 'g');
    EXPECT_EQ(kind, KeyCharacter::keyName);
    EXPECT_EQ(FindKeyCharacter(WubiVersion::wubi86, "一", kind)->letter, 'g');
    EXPECT_EQ(kind, KeyCharacter::stroke);
    EXPECT_EQ(FindKeyCharacter(WubiVersion::wubi98, "力", kind)->letter, 'e');
    EXPECT_EQ(kind, KeyCharacter::radical);
    EXPECT_EQ(FindKeyCharacter(WubiVersion::wubi86, "力", kind)->letter, 'l');
    EXPECT_EQ(FindKeyCharacter(WubiVersion::wubi86, "的", kind), nullptr);
    EXPECT_EQ(FindKeyCharacter(WubiVersion::wubi86, "王一", kind), nullptr);
    // Whole names only: 青 is no radical of its own, 青字头 is.
    EXPECT_EQ(FindKeyOfRadical(WubiVersion::wubi86, "青字头")->letter, 'g');
    EXPECT_EQ(FindKeyOfRadical(WubiVersion::wubi86, "青"), nullptr);
    EXPECT_EQ(FindKeyOfRadical(WubiVersion::wubi86, "夫"), nullptr);
    EXPECT_EQ(FindKeyOfRadical(WubiVersion::wubi98, "夫")->letter, 'g');
}
