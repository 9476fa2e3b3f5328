// The names of the radical data's glyphs.
#include "practice_tool/wubi/radical_names.h"
#include "practice_tool/text/gbk.h"
#include "practice_tool/wubi/key_charts.h"

#include <gtest/gtest.h>

#include <cstring>

// Each name is GBK a console shows, and on a chart of either version; a glyph
// without a name stands for an identification code.
TEST(RadicalNames, EveryNameIsOnAChart) {
    const auto [first, last] = RadicalNames();
    EXPECT_GT(last - first, 300);
    for (const RadicalName* glyph = first; glyph != last; ++glyph) {
        EXPECT_EQ(FindRadicalName(glyph->glyph), glyph);
        EXPECT_TRUE(glyph->glyph >= 0xE000 && glyph->glyph < 0xF900);
        const std::string name = glyph->name;
        EXPECT_EQ(Utf8FromGbk(name).find("\\x"), std::string::npos) << glyph->glyph;
        if (name.empty())
            EXPECT_TRUE(glyph->idStroke >= 1 && glyph->idStroke <= 5 && glyph->idShape >= 1 &&
                        glyph->idShape <= 3)
                << glyph->glyph;
        else
            EXPECT_TRUE(FindKeyOfRadical(WubiVersion::wubi86, glyph->name) ||
                        FindKeyOfRadical(WubiVersion::wubi98, glyph->name))
                << Utf8FromGbk(name);
    }
    EXPECT_EQ(FindRadicalName(0xE00D), nullptr);
    EXPECT_EQ(FindRadicalName(0x4E00), nullptr);
}
