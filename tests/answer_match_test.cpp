#include "core/drill.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

const CodePage& Page(unsigned number) {
    static std::map<unsigned, CodePage> pages;
    auto found = pages.find(number);
    if (found == pages.end())
        found = pages.emplace(number, MakeCodePage(number)).first;
    return found->second;
}

struct MatchCase {
    unsigned codePage;
    const char* answer;
    const char* code;
    bool matches;
};

// The bytes of double-byte characters are written out, so the cases hold
// whatever the system code page of the test run is.
TEST(AnswerMatches, FollowsTheCodePageRules) {
    const MatchCase cases[] = {
        // Letters fold A-Z to a-z and nothing else.
        {936, "abcd", "abcd", true},
        {936, "ABCD", "abcd", true},
        {936, "aBcD", "AbCd", true},
        {936, "[", "{", false},
        {936, "@", "`", false},
        {936, "abc", "abcd", false},
        {936, "abcd", "abc", false},
        // No trimming; an empty answer is an answer like any other.
        {936, " abc", "abc", false},
        {936, "abc ", "abc", false},
        {936, "", "", true},
        {936, "", "a", false},
        {936, "a", "", false},
        // Double-byte characters compare by their upper-case form: full-width,
        // Greek and Cyrillic letters; the trail byte is never folded alone.
        {936, "\xD6\xD0", "\xD6\xD0", true},
        {936, "\xD6\xD0", "\xCE\xC4", false},
        {936, "\xA3\xE1", "\xA3\xC1", true},
        {936, "\xA3\xC1\xA3\xE2", "\xA3\xE1\xA3\xC2", true},
        {936, "\xA6\xC1", "\xA6\xA1", true},
        {936, "\xA7\xD1", "\xA7\xA1", true},
        {936, "\xB0\x41", "\xB0\x61", false},
        {936, "a", "\xA3\xE1", false},
        {936, "\xA8\xA8", "\xA8\xA8", true}, // a pinyin letter without an upper case in 936
        // A lead byte before the end counts as the end.
        {936, "abc", "abc\xD6", true},
        {936, "abc\xD6", "abc", true},
        {936, "abc\xD6", "abc\xCE", true},
        {936, "\xD6", "", true},
        {936, "ab\xD6", "abc", false},
        // An invalid sequence differs even from the same bytes.
        {936, "\x81\x7F", "\x81\x7F", false},
        {936, "a\x81\x7F", "a", false},
        {932, "\x82\x81", "\x82\x60", true},
        {932, "ABC", "abc", true},
        {932, "abc\xD6", "abc", false}, // 0xD6 is a single byte in 932
        {932, "abc\x82", "abc", true},
        {949, "\xA3\xE1", "\xA3\xC1", true},
        {950, "\xA2\xE9", "\xA2\xCF", true},
        {1361, "\xDA\x71", "\xDA\x51", true},
        {1361, "ABC", "abc", true},
        // A single-byte code page compares bytes and folds only A-Z.
        {1252, "ABC", "abc", true},
        {1252, "\xC0", "\xE0", false},
        {1252, "\xD6\xD0", "\xD6\xD0", true},
        {1252, "\x81\x7F", "\x81\x7F", true},
        {1252, "ab\xD6", "ab", false},
        {1252, "\xA3\xE1", "\xA3\xC1", false},
        {1252, "[", "{", false},
        {1252, "", "", true},
    };
    for (const MatchCase& test : cases) {
        SCOPED_TRACE(testing::Message()
                     << "code page " << test.codePage << ": " << testing::PrintToString(test.answer)
                     << " vs " << testing::PrintToString(test.code));
        EXPECT_EQ(AnswerMatches(test.answer, test.code, Page(test.codePage)), test.matches);
        EXPECT_EQ(AnswerMatches(test.code, test.answer, Page(test.codePage)), test.matches)
            << "swapped";
    }
}

} // namespace
