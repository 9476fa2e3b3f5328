#include "test_support.h"

#include <cstring>
#include <tuple>

using namespace std::string_literals;

#define CTRL_Z "\x1A"

static std::string Repeat(const std::string& piece, std::size_t times) {
    std::string text;
    while (times-- > 0)
        text += piece;
    return text;
}

static std::string Xs(std::size_t count) {
    return std::string(count, 'x');
}

// `count` bytes of 'x' as the reader cuts them: 79-byte lines, then the rest.
static std::string Pieces(std::size_t count) {
    return Repeat(Xs(79) + "|", count / 79) + Xs(count % 79);
}

// The reader's lines, each ending in '|'; `added` is appended to the open file.
static std::string ReadLines(const std::string& bytes, const std::string& added = "") {
    TempFile file("lines", bytes);
    FileSource source;
    EXPECT_TRUE(source.open(file.path.c_str()));
    std::FILE* writer = added.empty() ? nullptr : std::fopen(file.path.c_str(), "ab");
    EXPECT_TRUE(added.empty() ||
                (writer && std::fputs(added.c_str(), writer) >= 0 && std::fclose(writer) == 0));
    LineReader reader(source);
    std::string text;
    char line[lineBufferSize];
    for (std::size_t length = 0; reader.readLine(line, length); text.append(line, length) += "|")
        EXPECT_EQ(line[length], '\0');
    return text;
}

TEST(LineReader, TranslatesTextModeAndCutsBoundedLines) {
    const std::pair<std::string, std::string> cases[] = {
        {"ab\r\ncd\r\n", "ab\n|cd\n|"},
        {"ab\r\r\ncd", "ab\r\n|cd|"},
        {"ab\ncd" CTRL_Z "ef\ngh\n", "ab\n|cd|"},
        {Xs(79) + "\nz", Xs(79) + "|\n|z|"},
        // The file is read 32 KiB at a time: a CR at the end of one read and
        // an LF or Ctrl-Z at the start of the next are still seen together.
        {Xs(32767) + "\r\nz", Pieces(32767) + "\n|z|"},
        {Xs(32767) + "\r", Pieces(32767) + "\r|"},
        {Repeat("abcdefghi\n", 3276) + "yyyyyyy\rz\n",
         Repeat("abcdefghi\n|", 3276) + "yyyyyyy\rz\n|"},
        {Xs(32768) + CTRL_Z "\n", Pieces(32768) + "|"},
    };
    for (const auto& [bytes, lines] : cases) {
        const std::string read = ReadLines(bytes);
        EXPECT_TRUE(read == lines) << testing::PrintToString(bytes.substr(0, 20)) << ", "
                                   << bytes.size() << " bytes: " << testing::PrintToString(read);
    }
}

// The file is opened shared: other programs may write it while it loads.
TEST(LineReader, ReadsWhatAnotherProgramAdds) {
    EXPECT_EQ(ReadLines("ab\n", "cd\n"), "ab\n|cd\n|");
}

TEST(CopyField, KeepsWholeCharactersAndDropsTheLineEnd) {
    // Code page, line, field width and every byte of the field.
    const std::tuple<unsigned, std::string, std::size_t, std::string> cases[] = {
        {936, ZHONG WEN "\n", 3, ZHONG "\0"s},
        {936, "a" ZHONG "\n", 3, "a\xD6\0"s}, // the lead byte stays, the trail is cut
        {936, "ab\xD6", 5, "ab\0\0\0"s},      // a lead byte before the end is dropped
        {936, "a" ZHONG "\xD6", 5, "a" ZHONG "\0\0"s},
        {936, "ab" ZHONG, 5, "ab" ZHONG "\0"s}, // both bytes of 中 could lead
        {936, "", 3, "\0\0\0"s},
        {936, "\n", 5, "\0\0\0\0\0"s},
        {936, "abcde\n", 5, "abcd\0"s},
        {936, "a\r\n", 5, "a\r\0\0\0"s},
        {936, Xs(78) + ZHONG, 80, Xs(78) + "\xD6\0"s},
        {936, Xs(79), 80, Xs(79) + "\0"s},
        {936, "ab\0cd\n"s, 80, "ab" + std::string(78, '\0')},
        {1252, "ab\xD6", 5, "ab\xD6\0\0"s}, // a single-byte code page copies bytes
    };
    for (const auto& [codePage, line, width, bytes] : cases) {
        char field[81];
        std::memset(field, 'Z', sizeof field); // stale bytes must all be overwritten
        CopyField(field, line.c_str(), width, MakeCodePage(codePage));
        EXPECT_EQ(std::string(field, width + 1), bytes + "Z")
            << codePage << ": " << testing::PrintToString(line);
    }
}

// One table takes every file in turn, so each load must replace all of the
// last; a path that opens no file changes nothing.
TEST(LoadPracticeFile, MakesCompleteGroupsOfThreeLinesIntoEntries) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {ZHONG "\r\nkhk\r\nfirst\r\n" WEN "\r\nyygy\r\nsecond\r\nz\r\n\r\nr\r\n",
         {Entry(ZHONG, "khk", "first"), Entry(WEN, "yygy", "second"), Entry("z", "", "r")}},
        {ZHONG WEN "\nkhkga\n\n", {Entry(ZHONG, "khkg", "")}},
        // A line of 79 bytes or more is read as several and shifts the groups.
        {"a\nb\n" + Xs(79) + "\nc\nd\n", {Entry("a", "b", Xs(79)), Entry("", "c", "d")}},
        // The 79-byte read ends inside the 40th character, which the next line finishes.
        {"a\nb\n" + Repeat(ZHONG, 50) + "\nc\nd\n",
         {Entry("a", "b", Repeat(ZHONG, 39)), Entry("\xD0\xD6", "c", "d")}},
        {"a\0b\nco\0de\nre\0ason\nc\nd\ne\n"s, {Entry("a", "co", "re"), Entry("c", "d", "e")}},
        {"a\nb\nc\nd\ne\nf\ng\n", {Entry("a", "b", "c"), Entry("d", "e", "f")}},
    };
    const CodePage gbk = MakeCodePage(936);
    CharTable table;
    CharNode* cursor = nullptr;
    for (const auto& [bytes, entries] : cases) {
        SCOPED_TRACE(testing::PrintToString(bytes.substr(0, 30)));
        EXPECT_EQ(LoadPracticeFile(TempFile("load", bytes).path.c_str(), table, cursor, gbk),
                  LoadResult::loaded);
        EXPECT_EQ(Entries(table), entries);
        EXPECT_EQ(cursor, table.first());
    }
    CharNode* const second = cursor = CharTable::next(cursor);
    // A folder, a missing file, an empty path, a name too long for the system.
    const std::string missing = testing::TempDir() + "tarnvel_missing";
    for (const std::string& path : {testing::TempDir(), missing, ""s, missing + Xs(300)}) {
        EXPECT_EQ(LoadPracticeFile(path.c_str(), table, cursor, gbk), LoadResult::notOpened);
        EXPECT_EQ(cursor, second);
        EXPECT_EQ(Entries(table), std::prev(std::end(cases))->second) << path;
    }
}
