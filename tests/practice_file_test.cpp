#include "core/practice_file.h"

#include "test_support.h"

#include <memory>

using namespace std::string_literals;

// GBK bytes, spelled out so that the expected tables do not depend on how the
// compiler converts the source's characters.
#define ZHONG "\xD6\xD0" // 中
#define WEN "\xCE\xC4"   // 文
#define ZI "\xD7\xD6"    // 字
#define CTRL_Z "\x1A"

namespace {

const CodePage& Gbk() {
    static const CodePage page = MakeCodePage(936);
    return page;
}

std::string Xs(std::size_t count) {
    return std::string(count, 'x');
}

std::string Repeat(const std::string& piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

std::vector<std::string> ReadLines(const std::string& name, const std::string& bytes) {
    TempFile file(name, bytes);
    FileSource source;
    EXPECT_TRUE(source.open(file.path()));
    auto reader = std::make_unique<LineReader>(source);
    std::vector<std::string> lines;
    char line[lineBufferSize];
    std::size_t length = 0;
    while (reader->readLine(line, length)) {
        EXPECT_EQ(line[length], '\0');
        lines.emplace_back(line, length);
    }
    return lines;
}

// `count` bytes of 'x' followed by one LF, as the reader cuts them: 79-byte
// pieces, then the remainder with the LF (the LF alone when nothing remains).
std::vector<std::string> XPiecesThenLf(std::size_t count) {
    std::vector<std::string> lines(count / 79, Xs(79));
    lines.push_back(Xs(count % 79) + "\n");
    return lines;
}

struct ReaderCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

TEST(LineReader, TranslatesTextModeAndCutsBoundedLines) {
    const ReaderCase cases[] = {
        {"crlf", "ab\r\ncd\r\n", {"ab\n", "cd\n"}},
        {"lone_cr", "ab\rcd\ref", {"ab\rcd\ref"}},
        {"cr_cr_lf", "ab\r\r\ncd", {"ab\r\n", "cd"}},
        {"cr_at_end", "ab\r", {"ab\r"}},
        {"ctrl_z", "ab\ncd" CTRL_Z "ef\ngh\n", {"ab\n", "cd"}},
        {"ctrl_z_first", CTRL_Z "ab\n", {}},
        {"nul_inside", "a\0b\ncd\n"s, {"a\0b\n"s, "cd\n"}},
        {"empty", "", {}},
        {"empty_lines", "\n\n", {"\n", "\n"}},
        {"78", Xs(78) + "\nz", {Xs(78) + "\n", "z"}},
        {"79", Xs(79) + "\nz", {Xs(79), "\n", "z"}},
        {"80", Xs(80) + "\n", {Xs(79), "x\n"}},
        {"158", Xs(158) + "\n", {Xs(79), Xs(79), "\n"}},
        {"79_no_lf", Xs(79), {Xs(79)}},
        {"80_no_lf", Xs(80), {Xs(79), "x"}},
        {"78_crlf", Xs(78) + "\r\n", {Xs(78) + "\n"}},
        {"79_crlf", Xs(79) + "\r\n", {Xs(79), "\n"}},
        {"78_cr_cr_lf", Xs(78) + "\r\r\n", {Xs(78) + "\r", "\n"}},
        // The read buffer holds 32 KiB: CR as its last byte, LF as the next
        // buffer's first, is still one LF; at the end of the file it stays CR.
        {"buffer_crlf", Xs(32767) + "\r\nz",
         [] {
             auto lines = XPiecesThenLf(32767);
             lines.push_back("z");
             return lines;
         }()},
        {"buffer_cr_at_eof", Xs(32767) + "\r",
         [] {
             auto lines = XPiecesThenLf(32767);
             lines.back().back() = '\r';
             return lines;
         }()},
        {"buffer_cr_then_byte", Repeat("abcdefghi\n", 3276) + "yyyyyyy\rz\n",
         [] {
             std::vector<std::string> lines(3276, "abcdefghi\n");
             lines.push_back("yyyyyyy\rz\n");
             return lines;
         }()},
        {"second_buffer_crlf", Xs(65535) + "\r\n", XPiecesThenLf(65535)},
        // Ctrl-Z as the first byte of the second buffer ends the data there.
        {"buffer_ctrl_z", Xs(32768) + CTRL_Z "\n",
         [] {
             auto lines = XPiecesThenLf(32768);
             lines.back().pop_back();
             return lines;
         }()},
    };
    for (const ReaderCase& test : cases) {
        SCOPED_TRACE(test.name);
        std::vector<std::string> lines = ReadLines(test.name, test.bytes);
        EXPECT_EQ(lines.size(), test.lines.size());
        for (std::size_t i = 0; i < std::min(lines.size(), test.lines.size()); ++i) {
            if (lines[i] != test.lines[i]) {
                ADD_FAILURE() << "line " << i << ": " << testing::PrintToString(lines[i])
                              << " instead of " << testing::PrintToString(test.lines[i]);
                break;
            }
        }
    }
}

struct FieldCase {
    std::string line;
    std::size_t width;
    std::string field; // every byte of the field
};

template <std::size_t count>
void ExpectCopies(const FieldCase (&cases)[count], const CodePage& codePage) {
    for (std::size_t i = 0; i < count; ++i) {
        const FieldCase& test = cases[i];
        SCOPED_TRACE("case " + std::to_string(i));
        char field[81];
        std::memset(field, 0x5A, sizeof field); // stale bytes must all be overwritten
        CopyField(field, test.line.c_str(), test.width, codePage);
        EXPECT_EQ(std::string(field, test.width), test.field);
        EXPECT_EQ(field[test.width], 0x5A) << "wrote past the field";
    }
}

TEST(CopyField, KeepsDoubleByteCharactersWholeInGbk) {
    static const FieldCase cases[] = {
        {ZHONG WEN "\n", 3, ZHONG "\0"s},
        {"a" ZHONG "\n", 3, "a\xD6\0"s}, // the lead byte alone is kept, the trail cut
        {"\xD6", 3, "\0\0\0"s},          // a lead byte before the end is dropped
        {"ab\xD6", 5, "ab\0\0\0"s},
        {"", 3, "\0\0\0"s},
        {"\n", 5, "\0\0\0\0\0"s},
        {"abc\n", 5, "abc\0\0"s},
        {"abcde\n", 5, "abcd\0"s},
        {"ab" ZHONG "\n", 5, "ab" ZHONG "\0"s},
        {"ab" ZHONG, 5, "ab" ZHONG "\0"s},
        {ZHONG ZHONG, 5, ZHONG ZHONG "\0"s},
        {ZHONG, 3, ZHONG "\0"s},
        {"abc" ZHONG "\n", 5, "abc\xD6\0"s},
        {"abcd" ZHONG "\n", 5, "abcd\0"s}, // one byte of budget left for a lead byte
        {"a\r\n", 5, "a\r\0\0\0"s},
        {Xs(77) + ZHONG "\n", 80, Xs(77) + ZHONG "\0"s},
        {Xs(78) + ZHONG, 80, Xs(78) + "\xD6\0"s},
        {Xs(79), 80, Xs(79) + "\0"s},
    };
    ExpectCopies(cases, Gbk());
}

TEST(CopyField, CopiesBytesPlainlyInSingleByteCodePage) {
    static const FieldCase cases[] = {
        {"ab\xD6", 5, "ab\xD6\0\0"s}, {"\xD6", 3, "\xD6\0\0"s}, {ZHONG WEN "\n", 3, ZHONG "\0"s},
        {"abcde\n", 5, "abcd\0"s},    {"abc\n", 5, "abc\0\0"s},
    };
    ExpectCopies(cases, MakeCodePage(1252));
}

struct LoadCase {
    const char* name;
    std::string bytes;
    std::vector<CharEntry> entries;
};

// Every byte of every entry is fixed here, so the table must come out the same
// in every build and under every system code page.
TEST(LoadPracticeFile, BuildsByteIdenticalEntries) {
    const std::string loneCrs = Repeat("abc\r", 60);
    const LoadCase cases[] = {
        {"empty", "", {}},
        {"one_line", "a\n", {}},
        {"two_lines", "a\nb\n", {}},
        {"nine_lines_crlf",
         ZHONG "\r\nkhk\r\nfirst\r\n" WEN "\r\nyygy\r\nsecond\r\n" ZI "\r\npbf\r\nthird\r\n",
         {MakeEntry(ZHONG, "khk", "first"), MakeEntry(WEN, "yygy", "second"),
          MakeEntry(ZI, "pbf", "third")}},
        {"seven_lines",
         "a\nb\nc\nd\ne\nf\ng\n",
         {MakeEntry("a", "b", "c"), MakeEntry("d", "e", "f")}},
        {"no_final_lf", "a\nb\nc", {MakeEntry("a", "b", "c")}},
        {"double_byte_at_eof", "a\nb\n" ZHONG WEN, {MakeEntry("a", "b", ZHONG WEN)}},
        {"cut_fields", ZHONG WEN "\nkhkga\n\n", {MakeEntry(ZHONG, "khkg", "")}},
        {"lone_lead_bytes", "a" ZHONG "\nabc" WEN "\nr\n", {MakeEntry("a\xD6", "abc\xCE", "r")}},
        {"reason_78",
         "a\nb\n" + Xs(78) + "\nc\nd\ne\n",
         {MakeEntry("a", "b", Xs(78)), MakeEntry("c", "d", "e")}},
        {"reason_79",
         "a\nb\n" + Xs(79) + "\nc\nd\n",
         {MakeEntry("a", "b", Xs(79)), MakeEntry("", "c", "d")}},
        {"reason_80",
         "a\nb\n" + Xs(80) + "\nc\nd\n",
         {MakeEntry("a", "b", Xs(79)), MakeEntry("x", "c", "d")}},
        {"reason_100",
         "a\nb\n" + Xs(100) + "\nc\nd\ne\n",
         {MakeEntry("a", "b", Xs(79)), MakeEntry("xx", "c", "d")}},
        {"reason_158",
         "a\nb\n" + Xs(158) + "\nc\nd\n",
         {MakeEntry("a", "b", Xs(79)), MakeEntry("xx", "", "c")}},
        // The 79-byte read ends on the 40th character's lead byte; its trail
        // byte starts the next line and pairs with the 41st character's lead.
        {"reason_50_double",
         "a\nb\n" + Repeat(ZHONG, 50) + "\nc\nd\n",
         {MakeEntry("a", "b", Repeat(ZHONG, 39)), MakeEntry("\xD0\xD6", "c", "d")}},
        {"nul_inside",
         "a\0b\nco\0de\nre\0ason\nc\nd\ne\n"s,
         {MakeEntry("a", "co", "re"), MakeEntry("c", "d", "e")}},
        {"cr_cr_lf", "a\r\r\nb\r\r\nc\r\r\n", {MakeEntry("a\r", "b\r", "c\r")}},
        {"byte_order_mark",
         "\xEF\xBB\xBF"
         "a\nb\nc\n",
         {MakeEntry("\xEF\xBB", "b", "c")}},
        {"lone_crs",
         loneCrs,
         {MakeEntry(loneCrs.substr(0, 2), loneCrs.substr(79, 4), loneCrs.substr(158, 79))}},
        {"ctrl_z", "a\nb\nc\nd\ne" CTRL_Z "\nf\n", {MakeEntry("a", "b", "c")}},
    };
    for (const LoadCase& test : cases) {
        SCOPED_TRACE(test.name);
        TempFile file(test.name, test.bytes);
        CharTable table;
        CharNode* cursor = nullptr;
        EXPECT_EQ(LoadPracticeFile(file.path(), table, cursor, Gbk()), LoadResult::loaded);
        ExpectTable(table, test.entries);
        EXPECT_EQ(cursor, table.first());
    }
}

TEST(LoadPracticeFile, SecondLoadReplacesTheFirst) {
    TempFile first("first", "a\nb\nc\nd\ne\nf\ng\nh\ni\n");
    TempFile second("second", ZHONG "\nkhk\nzhong\n" WEN "\nyygy\nwen\n");
    TempFile empty("nothing", "");
    CharTable table;
    CharNode* cursor = nullptr;
    ASSERT_EQ(LoadPracticeFile(first.path(), table, cursor, Gbk()), LoadResult::loaded);
    cursor = CharTable::next(cursor);

    EXPECT_EQ(LoadPracticeFile(second.path(), table, cursor, Gbk()), LoadResult::loaded);
    ExpectTable(table, {MakeEntry(ZHONG, "khk", "zhong"), MakeEntry(WEN, "yygy", "wen")});
    EXPECT_EQ(cursor, table.first());

    EXPECT_EQ(LoadPracticeFile(empty.path(), table, cursor, Gbk()), LoadResult::loaded);
    ExpectTable(table, {});
    EXPECT_EQ(cursor, table.end());
}

TEST(LoadPracticeFile, FileThatCannotBeOpenedChangesNothing) {
    TempFile material("material", "a\nb\nc\nd\ne\nf\n");
    CharTable table;
    CharNode* cursor = nullptr;
    ASSERT_EQ(LoadPracticeFile(material.path(), table, cursor, Gbk()), LoadResult::loaded);
    CharNode* second = CharTable::next(table.first());
    const std::string missing = testing::TempDir() + "tarnvel_no_such_file.txt";
    for (const std::string& path : {missing, testing::TempDir()}) {
        SCOPED_TRACE(path);
        cursor = second;
        EXPECT_EQ(LoadPracticeFile(path.c_str(), table, cursor, Gbk()), LoadResult::notOpened);
        EXPECT_EQ(cursor, second);
        ExpectTable(table, {MakeEntry("a", "b", "c"), MakeEntry("d", "e", "f")});
    }
}

} // namespace
