// UTF-8 read and written, UTF-8 told from GBK, and UTF-16 data read.
#include "practice_tool/text/utf8.h"

#include <gtest/gtest.h>

TEST(Utf8, ReadsWellFormedSequencesOnly) {
    // Bytes and the code point read (0: refused, the position unchanged).
    const std::pair<std::string, char32_t> cases[] = {
        {"a", U'a'},
        {"\xC2\x80", 0x80},
        {"\xE7\x9A\x84", U'的'},
        {"\xF4\x8F\xBF\xBF", 0x10FFFF},
        {"\xC1\xBF", 0},         // overlong
        {"\xE0\x9F\xBF", 0},     // overlong
        {"\xED\xA0\x80", 0},     // a surrogate
        {"\xF4\x90\x80\x80", 0}, // beyond U+10FFFF
        {"\xF5\x80\x80\x80", 0},
        {"\xF9\x90\x80\x80", 0}, // no lead byte, though its bits would fit
        {"\x80", 0},
        {"\xE7\x9A", 0}, // cut short
        {"\xE7\x41\x84", 0},
    };
    for (const auto& [bytes, expected] : cases) {
        std::size_t position = 0;
        char32_t read = 0;
        const bool ok = NextUtf8(bytes, position, read);
        EXPECT_EQ(ok ? read : 0, expected) << bytes;
        EXPECT_EQ(position, ok ? bytes.size() : 0);
        if (ok)
            EXPECT_EQ(Utf8({read}), bytes);
    }
    EXPECT_EQ(Utf8(U"a\u00E9\U0001F600"), "a\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(CodePointName(0x1F600) + CodePointName(U'a'), "U+1F600U+0061");
}

TEST(Utf8, TellsTextsApartAndReadsUtf16) {
    EXPECT_TRUE(LooksLikeUtf8(u8"ab的"));
    EXPECT_FALSE(LooksLikeUtf8("ab"));           // ASCII is GBK as well
    EXPECT_FALSE(LooksLikeUtf8("\xB5\xC4\xD6")); // GBK
    EXPECT_TRUE(StartsWithUtf16ByteOrderMark("\xFF\xFEx") &&
                StartsWithUtf16ByteOrderMark("\xFE\xFF"));
    EXPECT_FALSE(StartsWithUtf16ByteOrderMark("\xFF") || StartsWithUtf16ByteOrderMark("\xFE\xFE"));
    std::string text;
    ASSERT_TRUE(Utf8FromUtf16(std::string("\xFF\xFE\x84\x76\x3D\xD8\x00\xDE", 8), text));
    EXPECT_EQ(text, u8"的\U0001F600");
    ASSERT_TRUE(Utf8FromUtf16(std::string("a\0", 2), text)); // without a byte-order mark
    EXPECT_EQ(text, "a");
    for (const std::string bad : {std::string("\xFF\xFE\x41", 3), std::string("\x00\xDC", 2),
                                  std::string("\x3D\xD8", 2), std::string("\x3D\xD8\x41\x00", 4)})
        EXPECT_FALSE(Utf8FromUtf16(bad, text)) << bad.size();
}
