// Whole files read and written, and the lines of a data file.
#include "practice_tool/text/whole_file.h"
#include "tests/temp_file.h"

TEST(WholeFile, WalksTheLinesOfADataFile) {
    // Bytes and the lines seen, each in brackets.
    const std::pair<std::string, std::string> cases[] = {
        {"\xEF\xBB\xBF"
         "a\r\nb\nc",
         "[a][b][c]"},
        {"a\n\nb\n", "[a][][b]"},
        {"\n", "[]"},
        {"", ""},
        {"a\rb\r\r\n", "[a\rb\r]"},
        {"a\n\xEF\xBB\xBF"
         "b",
         "[a][\xEF\xBB\xBF"
         "b]"}, // a byte-order mark only starts the file
    };
    for (const auto& [bytes, expected] : cases) {
        std::string seen;
        EXPECT_TRUE(ForEachLine(bytes, [&](const std::string& line, unsigned) {
            seen += "[" + line + "]";
            return true;
        }));
        EXPECT_EQ(seen, expected);
    }
    unsigned last = 0;
    EXPECT_FALSE(ForEachLine("a\nb\nc\n", [&](const std::string&, unsigned number) {
        last = number;
        return number < 2;
    }));
    EXPECT_EQ(last, 2u);
}

TEST(WholeFile, ReadsAndWritesEveryByte) {
    const std::string bytes("a\0\r\n\x1A\xFF", 6);
    const TempFile file("whole.bin"), missing("missing/whole.bin");
    std::string read = "stale";
    ASSERT_TRUE(WriteWholeFile(file.path.c_str(), bytes));
    ASSERT_TRUE(ReadWholeFile(file.path.c_str(), read));
    EXPECT_EQ(read, bytes);
    EXPECT_FALSE(ReadWholeFile(missing.path.c_str(), read));
    EXPECT_FALSE(WriteWholeFile(missing.path.c_str(), bytes));
    EXPECT_FALSE(ReadWholeFile(testing::TempDir().c_str(), read)); // a folder
}
