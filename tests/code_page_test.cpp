#include "core/code_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Range {
    unsigned low;
    unsigned high;
};

struct CodePageCase {
    unsigned number;
    bool multibyte;
    unsigned locale;
    std::vector<Range> leadBytes;
};

bool InRanges(unsigned byte, const std::vector<Range>& ranges) {
    for (const Range& range : ranges)
        if (byte >= range.low && byte <= range.high)
            return true;
    return false;
}

TEST(MakeCodePage, KnowsLeadBytesLocalesAndCaseClasses) {
    const CodePageCase cases[] = {
        {936, true, 0x0804, {{0x81, 0xFE}}},
        {932, true, 0x0411, {{0x81, 0x9F}, {0xE0, 0xFC}}},
        {949, true, 0x0412, {{0x81, 0xFE}}},
        {950, true, 0x0404, {{0x81, 0xFE}}},
        {1361, true, 0, {{0x81, 0xD3}, {0xD8, 0xDE}, {0xE0, 0xF9}}},
        {1252, false, 0, {}},
    };
    for (const CodePageCase& test : cases) {
        SCOPED_TRACE("code page " + std::to_string(test.number));
        const CodePage page = MakeCodePage(test.number);
        EXPECT_EQ(page.number, test.number);
        EXPECT_EQ(page.multibyte, test.multibyte);
        if (test.multibyte) {
            EXPECT_EQ(page.locale, test.locale);
        }
        for (unsigned byte = 0; byte < 256; ++byte) {
            EXPECT_EQ(page.isLeadByte[byte], InRanges(byte, test.leadBytes)) << "byte " << byte;
            // In these code pages A-Z are the only single bytes with a lower
            // case; a lead byte is never folded on its own.
            const unsigned folded = byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte;
            EXPECT_EQ(page.comparesAs[byte], folded) << "byte " << byte;
        }
    }
}

// Under Wine the test registration says which code page the system was given.
TEST(ActiveCodePage, IsTheSystemCodePage) {
    const char* expected = std::getenv("TARNVEL_EXPECT_ACP");
    if (expected == nullptr)
        GTEST_SKIP() << "TARNVEL_EXPECT_ACP not set";
    const unsigned number = static_cast<unsigned>(std::strtoul(expected, nullptr, 10));
    const CodePage& active = ActiveCodePage();
    EXPECT_EQ(active.number, number);
    EXPECT_EQ(&ActiveCodePage(), &active) << "chosen once";
    const CodePage made = MakeCodePage(number);
    EXPECT_EQ(active.multibyte, made.multibyte);
    EXPECT_EQ(active.locale, made.locale);
    EXPECT_TRUE(std::equal(std::begin(active.isLeadByte), std::end(active.isLeadByte),
                           std::begin(made.isLeadByte)));
    EXPECT_EQ(std::string(std::begin(active.comparesAs), std::end(active.comparesAs)),
              std::string(std::begin(made.comparesAs), std::end(made.comparesAs)));
}

} // namespace
