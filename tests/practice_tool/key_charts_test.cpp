// The key charts of both versions: their shape, and the look-ups through them.
#include "practice_tool/wubi/key_charts.h"
#include "practice_tool/text/ascii.h"
#include "practice_tool/text/gbk.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

// 25 keys, a to y once each, in five zones of five, at the same places in both
// versions; each key's name first on its chart, and each character it lists
// as its own a radical of its chart.
TEST(KeyCharts, TwentyFiveKeysInFiveZones) {
    for (WubiVersion version : {WubiVersion::wubi86, WubiVersion::wubi98}) {
        std::set<char> letters;
        for (std::size_t i = 0; i < wubiKeyCount; ++i) {
            const WubiKey& key = WubiKeys(version)[i];
            letters.insert(key.letter);
            EXPECT_EQ(key.position, (i / 5 + 1) * 10 + i % 5 + 1) << key.letter;
            EXPECT_EQ(WubiKeys(WubiVersion::wubi86)[i].position, key.position);
            EXPECT_STREQ(key.zone, WubiKeys(version)[i / 5 * 5].zone);
            EXPECT_EQ(FindKey(version, AsciiUpper(key.letter)), &key);
            EXPECT_EQ(IdentificationKey(key.position / 10, key.position % 10), key.letter);
            EXPECT_EQ(std::string(key.chart).rfind(std::string(key.keyName) + " ", 0), 0u);
            EXPECT_EQ(std::strlen(key.levelOne), 2u);
            const std::string own = std::string(key.stroke) + key.radicals;
            for (std::size_t at = 0; at + 1 < own.size(); at += 2)
                EXPECT_EQ(FindKeyOfRadical(version, own.substr(at, 2).c_str()), &key)
                    << Utf8FromGbk(own.substr(at, 2));
        }
        EXPECT_EQ(std::string(letters.begin(), letters.end()), "abcdefghijklmnopqrstuvwxy");
        EXPECT_EQ(FindKey(version, 'z'), nullptr);
    }
    EXPECT_EQ(IdentificationKey(6, 1), 0);
}

TEST(KeyCharts, FindKeysByCharacterAndByRadicalName) {
    constexpr WubiVersion v86 = WubiVersion::wubi86, v98 = WubiVersion::wubi98;
    // A character, the key (0: none) and the kind it has there.
    const std::tuple<WubiVersion, const char*, char, KeyCharacter> characters[] = {
        {v86, "王", 'g', KeyCharacter::keyName},
        {v86, "一", 'g', KeyCharacter::stroke},
        {v86, "力", 'l', KeyCharacter::radical},
        {v98, "力", 'e', KeyCharacter::radical},
        {v86, "的", 0, {}},
        {v86, "王一", 0, {}}};
    for (const auto& [version, character, letter, kind] : characters) {
        KeyCharacter found = KeyCharacter::radical;
        const WubiKey* key = FindKeyCharacter(version, character, found);
        EXPECT_EQ(key ? key->letter : 0, letter) << Utf8FromGbk(character);
        EXPECT_TRUE(!key || found == kind) << Utf8FromGbk(character);
    }
    // Whole names only: 青 is no radical of its own, 青字头 is.
    const std::tuple<WubiVersion, const char*, char> names[] = {
        {v86, "青字头", 'g'}, {v86, "青", 0}, {v86, "夫", 0}, {v98, "夫", 'g'}, {v86, "", 0}};
    for (const auto& [version, name, letter] : names) {
        const WubiKey* key = FindKeyOfRadical(version, name);
        EXPECT_EQ(key ? key->letter : 0, letter) << Utf8FromGbk(name);
    }
}
