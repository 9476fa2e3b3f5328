// Rime tables: what is read of them, and each character's codes sorted.
#include "practice_tool/wubi/rime_table.h"
#include "tests/temp_file.h"

#include <tuple>

TEST(RimeTable, ReadsSingleCharactersWithWubiCodes) {
    const TempFile table("rime.yaml", u8"# one\n# two\n---\nname: t\n...\n# later\n的\trqyy\t5\n"
                                      u8"的\tr\n你好\twqvb\t1\n一\tzzzz\n王\tgggga\n木\tsy1\n"
                                      u8"大\tdddd\t1\tdd\n");
    RimeTable read;
    Problem problem;
    ASSERT_TRUE(ReadRimeTable(table.path.c_str(), read, problem));
    EXPECT_EQ(read.comments, (std::vector<std::string>{"# one", "# two"}));
    EXPECT_EQ(read.header, std::vector<std::string>{"name: t"});
    std::string entries;
    for (const RimeEntry& entry : read.entries)
        entries += std::to_string(entry.character) + " " + entry.code + " " + entry.weight + ";";
    EXPECT_EQ(entries, "30340 rqyy 5;30340 r ;22823 dddd 1;");

    const TempFile open("open.yaml", "---\nname: t\n"), bad("bad.yaml", "a\tg\n\xFF\tg\n");
    const std::tuple<const char*, Problem> failures[] = {
        {"missing.yaml", {0, Msg::tableUnreadable, {}}},
        {open.path.c_str(), {2, Msg::tableHeaderOpen, {}}},
        {bad.path.c_str(), {2, Msg::tableNotUtf8, {}}},
    };
    for (const auto& [path, expected] : failures) {
        EXPECT_FALSE(ReadRimeTable(path, read, problem)) << path;
        EXPECT_EQ(problem, expected) << path;
    }
}

// The full code is the longest, of several the heaviest, then the first; the
// others follow shortest first, each once.
TEST(RimeTable, SortsCodesAndOrdersByTheFullCodesWeight) {
    const std::vector<TableCode> codes = {{"fbx", 1}, {"f", 9},   {"fbn", 5}, {"fb", 2},
                                          {"fbn", 7}, {"fbf", 7}, {"f", 1}};
    const CharCodes sorted = SortCodes(codes);
    EXPECT_EQ(sorted.full, "fbn");
    EXPECT_EQ(sorted.shorter, (std::vector<std::string>{"f", "fb", "fbx", "fbf"}));
    EXPECT_EQ(FullCodeWeight(codes), 7);
    EXPECT_EQ(SortCodes({}).full, "");

    RimeTable table; // 丂 is in GBK but not in GB2312
    table.entries = {{U'一', "g", "100"},  {U'丂', "gnv", "900"}, {U'二', "fg", "50"},
                     {U'二', "fggg", "5"}, {U'一', "ggll", "9"},  {U'三', "dggg", "9"}};
    EXPECT_EQ(FrequentCharacters(table, 9), U"一三二");
    EXPECT_EQ(FrequentCharacters(table, 1), U"一");
}
