// The radical data's lines, read and written.
#include "practice_tool/wubi/radical_data_file.h"
#include "tests/temp_file.h"

TEST(RadicalDataFile, ReadsTheLinesItWrites) {
    const std::string line = RadicalDataLine(U'的', U"\uE0E1\uE124\uE147\uE13D");
    EXPECT_EQ(line, u8"的\t※\uE0E1※\uE124※\uE147※\uE13D※");
    const TempFile data("zigen.txt", u8"# comment\n\n" + line + u8"\n一\t※\uE001※\n");
    std::map<char32_t, std::u32string> glyphs;
    Problem problem;
    ASSERT_TRUE(ReadRadicalData(data.path.c_str(), {U'的', U'王'}, glyphs, problem));
    EXPECT_EQ(glyphs, (std::map<char32_t, std::u32string>{{U'的', U"\uE0E1\uE124\uE147\uE13D"}}));

    for (const std::string& bad : {u8"的\t※ab※", u8"的※a※", u8"的 ※a※", u8"的\t", u8"的\t※a",
                                   u8"的\t※※", "\xFF\t\xE2\x80\xBB"}) {
        const TempFile malformed("bad-zigen.txt", u8"一\t※\uE001※\n" + bad + "\n");
        EXPECT_FALSE(ReadRadicalData(malformed.path.c_str(), {}, glyphs, problem)) << bad;
        EXPECT_EQ(problem, (Problem{2, Msg::radicalsMalformed, {}})) << bad;
    }
    EXPECT_FALSE(ReadRadicalData("missing-zigen.txt", {}, glyphs, problem));
    EXPECT_EQ(problem.id, Msg::radicalsUnreadable);
}
