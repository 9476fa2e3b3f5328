// make_material's makers of the shipped data, from the public data sets.
#include "tool_test_support.h"

#include "practice_tool/material/data_files.h"

// The 98 table from its UTF-16 sources: full codes, and a short code only for
// the character ranked first for it, also where that one (𠀀) is outside GBK.
TEST(Material, Wubi98TableFromItsRankedSource) {
    const auto utf16 = [](const std::u32string& text) {
        std::string bytes = "\xFF\xFE";
        for (char32_t c : text)
            for (char32_t unit : c > 0xFFFF
                                     ? std::u32string{0xD7C0 + (c >> 10), 0xDC00 + (c & 0x3FF)}
                                     : std::u32string{c})
                bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
        return bytes;
    };
    const TempFile full("full.txt", utf16(U"工\taaaa\r\n戈\tagnt\r\n\U00020000\taaab\r\n")),
        ranked("ranked.txt",
               utf16(U"\U00020000\ta\r\n工\ta\r\n\r\n戈\ta\r\n工\taaaa\r\n戈\tag\r\n戈"
                     U"\tagnt\r\n")),
        longer("longer.txt", utf16(U"工\taaaab\r\n")), out("t98.yaml");
    std::string failure;
    ASSERT_TRUE(WriteTable98(full.path.c_str(), ranked.path.c_str(), out.path.c_str(), failure));
    const std::string table = out.read();
    EXPECT_EQ(table.substr(table.find("...\n\n") + 5), u8"工\taaaa\n戈\tag\n戈\tagnt\n");
    EXPECT_FALSE(WriteTable98(out.path.c_str(), ranked.path.c_str(), out.path.c_str(), failure));
    EXPECT_FALSE(WriteTable98(full.path.c_str(), longer.path.c_str(), out.path.c_str(), failure));
    EXPECT_FALSE(WriteTable98("missing.txt", "missing.txt", out.path.c_str(), failure));
}
