// Input nobody should give the program, which it still gets: paths that name
// no readable file, files that change while they are read, data that arrives
// in pieces, answers the code page cannot upper-case. Each gets a clear answer
// and loses nothing that was loaded.
#include "core/drill.h"
#include "core/practice_file.h"

#include "test_support.h"

#include <filesystem>
#include <thread>

#ifndef _WIN32
#include <chrono>
#include <sys/stat.h>
#endif

namespace {

const CodePage& Gbk() {
    static const CodePage page = MakeCodePage(936);
    return page;
}

std::string TempPath(const std::string& name) {
    return testing::TempDir() + "tarnvel_bad_" + std::to_string(TARNVEL_PROCESS_ID) + "_" + name;
}

std::string Repeat(const std::string& piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

// Lines of 63 'x' and an LF: 64 bytes each, never cut by the reader.
std::string Lines(std::size_t count, char letter = 'x') {
    return Repeat(std::string(63, letter) + "\n", count);
}

void WriteFile(const std::string& path, const std::string& bytes, const char* mode = "wb") {
    std::FILE* file = std::fopen(path.c_str(), mode);
    ASSERT_NE(file, nullptr) << path;
    EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
    std::fclose(file);
}

// Everything the reader gives from here on, lines joined.
std::string ReadRest(LineReader& reader) {
    std::string text;
    char line[lineBufferSize];
    std::size_t length = 0;
    while (reader.readLine(line, length))
        text.append(line, length);
    return text;
}

const std::string twoEntries = "\xD6\xD0\r\nkhk\r\nzhong\r\n\xCE\xC4\r\nyygy\r\nwen\r\n";

} // namespace

TEST(BadInput, PathsThatOpenNoFileKeepTheMaterialAndCursor) {
    TempFile good("good.txt", twoEntries);
    CharTable table;
    CharNode* cursor = nullptr;
    ASSERT_EQ(LoadPracticeFile(good.path(), table, cursor, Gbk()), LoadResult::loaded);
    cursor = CharTable::next(cursor);
    const std::vector<CharEntry> before = WalkForward(table);

    // A character outside the code page reaches the ANSI API as '?'.
    const std::string folder = testing::TempDir();
    const std::string missing = TempPath("missing.txt");
    const std::string outsideCodePage = TempPath("?.txt");
    const std::string overlong = TempPath(std::string(300, 'n') + ".txt");
    for (const std::string& path : {folder, missing, outsideCodePage, overlong, std::string()}) {
        SCOPED_TRACE(path);
        CharNode* const cursorBefore = cursor;
        EXPECT_EQ(LoadPracticeFile(path.c_str(), table, cursor, Gbk()), LoadResult::notOpened);
        EXPECT_EQ(cursor, cursorBefore);
        ExpectTable(table, before);
    }
}

// The longest path the file chooser can hand over: 259 bytes and the NUL.
TEST(BadInput, PathOf259BytesLoads) {
    std::string folder = TempPath("long");
    std::filesystem::create_directory(folder);
    std::string path = folder + "/";
    ASSERT_LT(path.size(), 250u);
    path += std::string(259 - path.size() - 4, 'p') + ".txt";
    ASSERT_EQ(path.size(), 259u);
    WriteFile(path, twoEntries);

    CharTable table;
    CharNode* cursor = nullptr;
    EXPECT_EQ(LoadPracticeFile(path.c_str(), table, cursor, Gbk()), LoadResult::loaded);
    EXPECT_EQ(table.count(), 2u);
    std::filesystem::remove_all(folder);
}

// Another program may write the file while it loads (it is opened shared).
// The reader gives the bytes as they are when it gets to them: whatever was
// added, and nothing past a new end; never a byte twice or out of order.
TEST(BadInput, FileChangedWhileReadGivesItsBytesInOrder) {
    const std::string original = Lines(2000); // several read buffers
    struct Change {
        const char* name;
        std::string expected;
    };
    const std::string added = Lines(10, 'y');
    constexpr std::size_t cut = 50000; // within a line, after the first buffer
    for (const Change& change :
         {Change{"grows", original + added}, Change{"shrinks", original.substr(0, cut)}}) {
        SCOPED_TRACE(change.name);
        const std::string path = TempPath(change.name);
        WriteFile(path, original);
        FileSource source;
        ASSERT_TRUE(source.open(path.c_str()));
        LineReader reader(source);
        char line[lineBufferSize];
        std::size_t length = 0;
        ASSERT_TRUE(reader.readLine(line, length));
        std::string text(line, length);

        if (change.expected.size() > original.size())
            WriteFile(path, added, "ab");
        else
            std::filesystem::resize_file(path, cut);
        text += ReadRest(reader);
        EXPECT_EQ(text.size(), change.expected.size());
        EXPECT_TRUE(text == change.expected);
        source.close();
        std::remove(path.c_str());
    }
}

#ifndef _WIN32
// A pipe delivers the data in pieces, cut between CR and LF and inside a
// double-byte character; the table is the one the same bytes give from a file.
TEST(BadInput, DataArrivingInPiecesLoadsLikeAFile) {
    const std::string bytes = twoEntries + "\xD7\xD6\r\nabc\r\n" + std::string(100, 'r') + "\r\n";
    TempFile whole("whole.txt", bytes);
    CharTable expected;
    CharNode* cursor = nullptr;
    ASSERT_EQ(LoadPracticeFile(whole.path(), expected, cursor, Gbk()), LoadResult::loaded);

    const std::string fifo = TempPath("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] {
        std::FILE* pipe = std::fopen(fifo.c_str(), "wb");
        for (std::size_t start = 0; pipe != nullptr && start < bytes.size(); start += 7) {
            std::fwrite(bytes.data() + start, 1, std::min<std::size_t>(7, bytes.size() - start),
                        pipe);
            std::fflush(pipe);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        if (pipe != nullptr)
            std::fclose(pipe);
    });
    CharTable table;
    EXPECT_EQ(LoadPracticeFile(fifo.c_str(), table, cursor, Gbk()), LoadResult::loaded);
    writer.join();
    std::remove(fifo.c_str());
    EXPECT_EQ(cursor, table.first());
    ExpectTable(table, WalkForward(expected));
}
#endif

// The pinyin letters of code page 936 have upper cases the code page cannot
// hold; typed as an answer, such a letter still equals itself and nothing else.
TEST(BadInput, AnswerWithoutAnUpperCaseFormEqualsItselfOnly) {
    const char a1[] = "\xA8\xA1"; // a with macron
    const char a2[] = "\xA8\xA2"; // a with acute
    EXPECT_TRUE(AnswerMatches(a1, a1, Gbk()));
    EXPECT_TRUE(AnswerMatches("k\xA8\xA1", "K\xA8\xA1", Gbk()));
    EXPECT_FALSE(AnswerMatches(a1, a2, Gbk()));
    EXPECT_FALSE(AnswerMatches(a1, "?", Gbk()));
    EXPECT_FALSE(AnswerMatches(a1, "\xA1\xA1", Gbk()));
}
