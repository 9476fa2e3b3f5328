#include "core/answer_match.h"

#include "test_support.h"

#include <tuple>

using Pairs = std::vector<std::pair<const char*, const char*>>;

TEST(AnswerMatches, FollowsTheCodePageRules) {
    // A code page's rule, with answers and codes it makes equal and different;
    // double-byte characters are bytes, so the cases hold in any system code page.
    const std::tuple<unsigned, Pairs, Pairs> cases[] = {
        // A-Z fold to a-z and nothing else does; no blanks are trimmed; empty is an answer.
        {936, {{"AZ", "az"}, {"", ""}}, {{"[", "{"}, {"@", "`"}, {"abc", "abcd"}, {" abc", "abc"}}},
        {936, {}, {{"abc ", "abc"}, {"a", "\xA3\xE1"}}},
        // Double-byte characters compare by their upper case (full-width, Greek,
        // Cyrillic letters); the trail byte is never folded alone.
        {936, {{ZHONG, ZHONG}, {"\xA3\xC1\xA3\xE2", "\xA3\xE1\xA3\xC2"}}, {{ZHONG, WEN}}},
        {936, {{"\xA6\xC1", "\xA6\xA1"}, {"\xA7\xD1", "\xA7\xA1"}}, {{"\xB0\x41", "\xB0\x61"}}},
        // Pinyin letters have no upper case in 936: each equals only itself.
        {936, {{"k\xA8\xA1", "K\xA8\xA1"}}, {{"\xA8\xA1", "\xA8\xA2"}}},
        // A lead byte before the end counts as the end; an invalid sequence
        // differs even from the same bytes.
        {936, {{"abc", "abc\xD6"}, {"abc\xD6", "abc\xCE"}}, {{"ab\xD6", "abc"}}},
        {936, {}, {{"\x81\x7F", "\x81\x7F"}, {"a\x81\x7F", "a"}}},
        {932, {{"\x82\x81", "\x82\x60"}}, {{"abc\xD6", "abc"}}},
        // A single-byte code page compares bytes and folds only A-Z.
        {1252, {{"AZ", "az"}, {"\x81\x7F", "\x81\x7F"}, {"", ""}}, {{"[", "{"}, {"@", "`"}}},
        {1252, {}, {{"\xC0", "\xE0"}, {"ab\xD6", "ab"}}},
    };
    for (const auto& [codePage, equal, different] : cases) {
        const CodePage page = MakeCodePage(codePage);
        for (bool matches : {true, false}) {
            for (const auto& [answer, code] : matches ? equal : different) {
                SCOPED_TRACE(testing::Message()
                             << codePage << ": " << testing::PrintToString(answer) << " vs "
                             << testing::PrintToString(code));
                EXPECT_EQ(AnswerMatches(answer, code, page), matches);
                EXPECT_EQ(AnswerMatches(code, answer, page), matches) << "swapped";
            }
        }
    }
}
