// GBK by the core's rules for code page 936: characters, lead bytes, display.
#include "practice_tool/text/gbk.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(Gbk, CharactersTheirBytesAndTheNationalSet) {
    // A character, its double-byte GBK form ("" for none), whether GB2312 holds it.
    const std::tuple<char32_t, std::string, bool> cases[] = {
        {U'啊', "\xB0\xA1", true},  {U'的', "\xB5\xC4", true},
        {U'齄', "\xF7\xFE", true},  {U'丂', "\x81\x40", false},
        {U'、', "\xA1\xA2", false}, {U'a', "", false},
        {0x1F600, "", false},       {0, "", false}};
    for (const auto& [character, bytes, gb2312] : cases) {
        EXPECT_EQ(GbkCharacter(character), bytes) << character;
        EXPECT_EQ(InGb2312(character), gb2312) << character;
        char32_t decoded = 0;
        EXPECT_EQ(DecodeGbk(bytes.data(), bytes.size(), decoded) ? decoded : 0,
                  bytes.empty() ? 0 : character);
    }
    std::string out = "x";
    EXPECT_FALSE(EncodeGbk(0x1F600, out));
    EXPECT_TRUE(EncodeGbk(U'a', out));
    EXPECT_EQ(out, "xa");
    EXPECT_EQ(std::make_tuple(IsGbkLeadByte(0x80), IsGbkLeadByte(0x81), IsGbkLeadByte(0xFE),
                              IsGbkLeadByte(0xFF)),
              std::make_tuple(false, true, true, false));
}

// What is no character shows as an escape, and a lead byte does not take the
// byte after it unless the two make one.
TEST(Gbk, ShownAsUtf8WithEscapes) {
    EXPECT_EQ(Utf8FromGbk(std::string("a\xB5\xC4\x81\x20z\xB5", 7)), u8"a的\\x81 z\\xB5");
}
