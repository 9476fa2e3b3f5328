#include "test_support.h"

#include <cstdlib>
#include <cstring>
#include <tuple>

#ifdef _WIN32 // natively no system is asked: the material's code page stands in
// The test's registration names the code page the system was given; the active
// rules are that code page's.
TEST(CodePage, ActiveOneIsTheSystemCodePage) {
    const char* expected = std::getenv("TARNVEL_EXPECT_ACP");
    ASSERT_NE(expected, nullptr) << "TARNVEL_EXPECT_ACP names the system's code page";
    const CodePage& active = ActiveCodePage();
    const CodePage system = MakeCodePage(std::strtoul(expected, nullptr, 10));
    EXPECT_EQ(std::tie(active.number, active.multibyte, active.locale),
              std::tie(system.number, system.multibyte, system.locale));
    EXPECT_EQ(std::memcmp(active.isLeadByte, system.isLeadByte, sizeof system.isLeadByte), 0);
}
#endif

// The rules agree with the system's account of the code pages the tests run in
// and of one it does not know (each decoding its own bytes, whatever came before):
// the same lead bytes, A-Z the only single bytes with a lower case; double-byte
// characters take the case rules of its language.
TEST(CodePage, RulesAgreeWithTheSystem) {
    const std::tuple<unsigned, unsigned, const char*, char32_t> localeOf[] = {
        {936, 0x0804, "\xB5\xC4", U'的'},
        {932, 0x0411, "\x93\x49", U'的'},
        {1252, 0, "\x80", U'€'},
        {4242, 0, "a", 0}};
    for (const auto& [number, locale, bytes, decoded] : localeOf) {
        SCOPED_TRACE(number);
        const CodePage page = MakeCodePage(number);
        EXPECT_EQ(page.locale, locale);
        char32_t codePoint = 0;
        EXPECT_EQ(DecodeCharacter(number, bytes, std::strlen(bytes), codePoint) ? codePoint : 0,
                  decoded);
        // The built-in ranges of 936 and 932 against the system's; a single-byte or
        // unknown code page has none at all.
        bool leadBytes[256] = {};
        EXPECT_EQ(QuerySystemLeadBytes(number, leadBytes), locale != 0);
        EXPECT_EQ(page.multibyte, locale != 0);
        for (unsigned byte = 0; byte < 256; ++byte) {
            EXPECT_EQ(page.isLeadByte[byte], leadBytes[byte] && locale != 0) << byte;
            EXPECT_EQ(page.comparesAs[byte], byte - 'A' < 26 ? byte - 'A' + 'a' : byte) << byte;
        }
    }
    // Korean and traditional Chinese take the case rules of their languages too.
    EXPECT_EQ(std::make_pair(MakeCodePage(949).locale, MakeCodePage(950).locale),
              std::make_pair(0x0412u, 0x0404u));
}
