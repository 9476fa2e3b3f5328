#include "test_support.h"

#include <cstdint>
#include <cstring>

using namespace std::string_literals;

#define CTRL_Z "\x1A"

namespace {

std::string Xs(std::size_t count) {
    return std::string(count, 'x');
}

// `count` bytes of 'x' as the reader cuts them: 79-byte lines, then the rest.
std::string Pieces(std::size_t count) {
    return Repeat(Xs(79) + "|", count / 79) + Xs(count % 79);
}

// The reader's next `lines` lines, each followed by '|'.
std::string Read(LineReader& reader, std::size_t lines = SIZE_MAX) {
    std::string text;
    char line[lineBufferSize];
    std::size_t length = 0;
    while (lines-- > 0 && reader.readLine(line, length)) {
        EXPECT_EQ(line[length], '\0');
        text.append(line, length) += "|";
    }
    return text;
}

TEST(LineReader, TranslatesTextModeAndCutsBoundedLines) {
    const std::pair<std::string, std::string> cases[] = {
        {"ab\r\ncd\r\n", "ab\n|cd\n|"},
        {"ab\rcd\ref", "ab\rcd\ref|"},
        {"ab\r\r\ncd", "ab\r\n|cd|"},
        {"ab\r", "ab\r|"},
        {"ab\ncd" CTRL_Z "ef\ngh\n", "ab\n|cd|"},
        {CTRL_Z "ab\n", ""},
        {"a\0b\ncd\n"s, "a\0b\n|cd\n|"s},
        {"", ""},
        {"\n\n", "\n|\n|"},
        {Xs(78) + "\nz", Xs(78) + "\n|z|"},
        {Xs(79) + "\nz", Xs(79) + "|\n|z|"},
        {Xs(80) + "\n", Xs(79) + "|x\n|"},
        {Xs(158) + "\n", Pieces(158) + "\n|"},
        {Xs(79), Xs(79) + "|"},
        {Xs(78) + "\r\n", Xs(78) + "\n|"},
        {Xs(79) + "\r\n", Xs(79) + "|\n|"},
        {Xs(78) + "\r\r\n", Xs(78) + "\r|\n|"},
        // The file is read 32 KiB at a time: a CR at the end of one read and
        // an LF or Ctrl-Z at the start of the next are still seen together.
        {Xs(32767) + "\r\nz", Pieces(32767) + "\n|z|"},
        {Xs(32767) + "\r", Pieces(32767) + "\r|"},
        {Repeat("abcdefghi\n", 3276) + "yyyyyyy\rz\n",
         Repeat("abcdefghi\n|", 3276) + "yyyyyyy\rz\n|"},
        {Xs(65535) + "\r\n", Pieces(65535) + "\n|"},
        {Xs(32768) + CTRL_Z "\n", Pieces(32768) + "|"},
    };
    for (const auto& [bytes, lines] : cases) {
        SCOPED_TRACE(testing::PrintToString(bytes.substr(0, 20)) + ", " +
                     std::to_string(bytes.size()) + " bytes");
        TempFile file("lines", bytes);
        FileSource source;
        ASSERT_TRUE(source.open(file.path()));
        LineReader reader(source);
        EXPECT_TRUE(Read(reader) == lines) << testing::PrintToString(Read(reader));
    }
}

// Other programs may write the file while it loads: the reader gives the bytes
// that are there when it gets to them, in order.
TEST(LineReader, ReadsAFileThatGrowsMeanwhile) {
    const std::string original = Repeat(Xs(63) + "\n", 1000), added = "more\n";
    TempFile file("growing", original);
    FileSource source;
    ASSERT_TRUE(source.open(file.path()));
    LineReader reader(source);
    std::string lines = Read(reader, 1);
    std::FILE* writer = std::fopen(file.path(), "ab");
    ASSERT_NE(writer, nullptr);
    std::fputs(added.c_str(), writer);
    std::fclose(writer);
    lines += Read(reader);
    EXPECT_TRUE(lines == Repeat(Xs(63) + "\n|", 1000) + "more\n|");
}

struct FieldCase {
    unsigned codePage;
    std::string line;
    std::size_t width;
    std::string field; // every byte of the field
};

TEST(CopyField, KeepsWholeCharactersAndDropsTheLineEnd) {
    const FieldCase cases[] = {
        {936, ZHONG WEN "\n", 3, ZHONG "\0"s},
        {936, "a" ZHONG "\n", 3, "a\xD6\0"s}, // the lead byte stays, the trail is cut
        {936, "\xD6", 3, "\0\0\0"s},          // a lead byte before the end is dropped
        {936, "ab\xD6", 5, "ab\0\0\0"s},
        {936, "a" ZHONG "\xD6", 5, "a" ZHONG "\0\0"s},
        {936, "", 3, "\0\0\0"s},
        {936, "\n", 5, "\0\0\0\0\0"s},
        {936, "abc\n", 5, "abc\0\0"s},
        {936, "abcde\n", 5, "abcd\0"s},
        {936, "ab" ZHONG "\n", 5, "ab" ZHONG "\0"s},
        {936, ZHONG ZHONG, 5, ZHONG ZHONG "\0"s},
        {936, "abc" ZHONG "\n", 5, "abc\xD6\0"s},
        {936, "abcd" ZHONG "\n", 5, "abcd\0"s}, // one byte of budget left for a lead byte
        {936, "a\r\n", 5, "a\r\0\0\0"s},
        {936, Xs(77) + ZHONG "\n", 80, Xs(77) + ZHONG "\0"s},
        {936, Xs(78) + ZHONG, 80, Xs(78) + "\xD6\0"s},
        {936, Xs(79), 80, Xs(79) + "\0"s},
        {936, "ab\0cd\n"s, 80, "ab" + std::string(78, '\0')},
        // A single-byte code page copies bytes.
        {1252, "ab\xD6", 5, "ab\xD6\0\0"s},
        {1252, ZHONG WEN "\n", 3, ZHONG "\0"s},
        {1252, "abcde\n", 5, "abcd\0"s},
    };
    for (const FieldCase& test : cases) {
        SCOPED_TRACE(testing::Message()
                     << test.codePage << ": " << testing::PrintToString(test.line) << " in "
                     << test.width);
        char field[81];
        std::memset(field, 'Z', sizeof field); // stale bytes must all be overwritten
        CopyField(field, test.line.c_str(), test.width, MakeCodePage(test.codePage));
        EXPECT_EQ(std::string(field, test.width), test.field);
        EXPECT_EQ(field[test.width], 'Z') << "wrote past the field";
    }
}

// One table takes every file in turn, so each load must replace all of the last.
TEST(LoadPracticeFile, MakesCompleteGroupsOfThreeLinesIntoEntries) {
    const std::string loneCrs = Repeat("abc\r", 60);
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"a\nb\nc\nd\ne\nf\ng\n", {Entry("a", "b", "c"), Entry("d", "e", "f")}},
        {"", {}},
        {"a\nb\n", {}},
        {ZHONG "\r\nkhk\r\nfirst\r\n" WEN "\r\nyygy\r\nsecond\r\nz\r\n\r\nr\r\n",
         {Entry(ZHONG, "khk", "first"), Entry(WEN, "yygy", "second"), Entry("z", "", "r")}},
        {"a\nb\nc", {Entry("a", "b", "c")}},
        {ZHONG WEN "\nkhkga\n\n", {Entry(ZHONG, "khkg", "")}},
        {"a" ZHONG "\nabc" WEN "\nr\n", {Entry("a\xD6", "abc\xCE", "r")}},
        // A line of 79 bytes or more is read as several and shifts the groups.
        {"a\nb\n" + Xs(79) + "\nc\nd\n", {Entry("a", "b", Xs(79)), Entry("", "c", "d")}},
        {"a\nb\n" + Xs(100) + "\nc\nd\n", {Entry("a", "b", Xs(79)), Entry("xx", "c", "d")}},
        // The 79-byte read ends on the 40th character's lead byte; its trail
        // byte starts the next line and pairs with the 41st character's lead.
        {"a\nb\n" + Repeat(ZHONG, 50) + "\nc\nd\n",
         {Entry("a", "b", Repeat(ZHONG, 39)), Entry("\xD0\xD6", "c", "d")}},
        {"a\0b\nco\0de\nre\0ason\nc\nd\ne\n"s, {Entry("a", "co", "re"), Entry("c", "d", "e")}},
        {"a\r\r\nb\r\r\nc\r\r\n", {Entry("a\r", "b\r", "c\r")}},
        {"\xEF\xBB\xBF"
         "a\nb\nc\n",
         {Entry("\xEF\xBB", "b", "c")}}, // no byte-order mark
        {loneCrs, {Entry(loneCrs.substr(0, 2), loneCrs.substr(79, 4), loneCrs.substr(158, 79))}},
        {"a\nb\nc\nd\ne" CTRL_Z "\nf\n", {Entry("a", "b", "c")}},
    };
    CharTable table;
    for (const auto& [bytes, entries] : cases) {
        SCOPED_TRACE(testing::PrintToString(bytes.substr(0, 30)));
        TempFile file("load", bytes);
        CharNode* cursor = nullptr;
        EXPECT_EQ(LoadPracticeFile(file.path(), table, cursor, Gbk()), LoadResult::loaded);
        EXPECT_EQ(Entries(table), entries);
        EXPECT_EQ(cursor, table.first());
    }
}

TEST(LoadPracticeFile, PathThatOpensNoFileChangesNothing) {
    TempFile material("material", "a\nb\nc\nd\ne\nf\n");
    CharTable table;
    CharNode* cursor = nullptr;
    ASSERT_EQ(LoadPracticeFile(material.path(), table, cursor, Gbk()), LoadResult::loaded);
    CharNode* const second = cursor = CharTable::next(cursor);
    // A folder, a missing file, an empty path, a name too long for the system.
    const std::string missing = material.path() + "x"s;
    for (const std::string& path : {testing::TempDir(), missing, ""s, missing + Xs(300)}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(LoadPracticeFile(path.c_str(), table, cursor, Gbk()), LoadResult::notOpened);
        EXPECT_EQ(cursor, second);
        EXPECT_EQ(Entries(table), (std::vector{Entry("a", "b", "c"), Entry("d", "e", "f")}));
    }
}

} // namespace
