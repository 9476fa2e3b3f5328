#include "test_support.h"

#include <cstdlib>

// Natively the material's code page stands in for the system's; under Wine
// the test registration names the code page the system was given.
TEST(CodePage, ActiveOneIsTheSystemCodePage) {
    const char* expected = std::getenv("TARNVEL_EXPECT_ACP");
    EXPECT_EQ(ActiveCodePage().number, expected ? std::strtoul(expected, nullptr, 10) : 936);
}

// The rules agree with the system's own account of the code pages the tests
// run in, and of one it does not know: the same lead bytes, and A-Z the only
// single bytes with a lower case.
TEST(CodePage, RulesAgreeWithTheSystem) {
    for (unsigned number : {936u, 932u, 1252u, 4242u}) {
        SCOPED_TRACE(number);
        const CodePage page = MakeCodePage(number);
        bool leadBytes[256] = {};
        EXPECT_EQ(QuerySystemLeadBytes(number, leadBytes), page.multibyte);
        for (unsigned byte = 0; byte < 256; ++byte) {
            EXPECT_EQ(page.isLeadByte[byte], leadBytes[byte]) << byte;
            EXPECT_EQ(page.comparesAs[byte], byte - 'A' < 26 ? byte - 'A' + 'a' : byte) << byte;
        }
    }
}
