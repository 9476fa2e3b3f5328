#include "core/drill.h"

#include "test_support.h"

using Pairs = std::vector<std::pair<const char*, const char*>>;

// One rule of a code page, with answers and codes that it makes equal and
// different. Double-byte characters are written as bytes, so the cases hold
// whatever the system code page of the test run is.
struct MatchCase {
    unsigned codePage;
    Pairs equal;
    Pairs different;
};

TEST(AnswerMatches, FollowsTheCodePageRules) {
    const MatchCase cases[] = {
        // A-Z fold to a-z and nothing else does; no blanks are trimmed; empty is an answer.
        {936, {{"AZ", "az"}, {"", ""}}, {{"[", "{"}, {"@", "`"}, {"abc", "abcd"}, {" abc", "abc"}}},
        {936, {}, {{"abc ", "abc"}, {"", "a"}}},
        // Double-byte characters compare by their upper case (full-width, Greek,
        // Cyrillic letters); the trail byte is never folded alone.
        {936,
         {{ZHONG, ZHONG},
          {"\xA3\xC1\xA3\xE2", "\xA3\xE1\xA3\xC2"},
          {"\xA6\xC1", "\xA6\xA1"},
          {"\xA7\xD1", "\xA7\xA1"}},
         {{ZHONG, WEN}, {"\xB0\x41", "\xB0\x61"}, {"a", "\xA3\xE1"}}},
        // Pinyin letters have no upper case in 936: each equals only itself.
        {936, {{"k\xA8\xA1", "K\xA8\xA1"}}, {{"\xA8\xA1", "\xA8\xA2"}}},
        // A lead byte before the end counts as the end; an invalid sequence
        // differs even from the same bytes.
        {936,
         {{"abc", "abc\xD6"}, {"abc\xD6", "abc\xCE"}, {"\xD6", ""}},
         {{"ab\xD6", "abc"}, {"\x81\x7F", "\x81\x7F"}, {"a\x81\x7F", "a"}}},
        {932, {{"\x82\x81", "\x82\x60"}, {"ABC", "abc"}, {"abc\x82", "abc"}}, {{"abc\xD6", "abc"}}},
        {949, {{"\xA3\xE1", "\xA3\xC1"}}, {}},
        {950, {{"\xA2\xE9", "\xA2\xCF"}}, {}},
        {1361, {{"\xDA\x71", "\xDA\x51"}}, {}},
        // A single-byte code page compares bytes and folds only A-Z.
        {1252,
         {{"AZ", "az"}, {"\x81\x7F", "\x81\x7F"}, {"", ""}},
         {{"[", "{"}, {"@", "`"}, {"\xC0", "\xE0"}, {"ab\xD6", "ab"}}},
    };
    for (const MatchCase& test : cases) {
        const CodePage page = MakeCodePage(test.codePage);
        for (bool matches : {true, false}) {
            for (const auto& [answer, code] : matches ? test.equal : test.different) {
                SCOPED_TRACE(testing::Message()
                             << test.codePage << ": " << testing::PrintToString(answer) << " vs "
                             << testing::PrintToString(code));
                EXPECT_EQ(AnswerMatches(answer, code, page), matches);
                EXPECT_EQ(AnswerMatches(code, answer, page), matches) << "swapped";
            }
        }
    }
}
