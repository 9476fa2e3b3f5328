// check: the entries as the program loads them, and every kind of warning.
#include "tool_test_support.h"

#include "tools/practice_tool/check.h"

#include "core/code_page.h"
#include "core/practice_file.h"

#include <algorithm>
#include <cstring>

namespace {

const std::string good = Lines({"的", "rqyy", "全码rqyy", "一", "g", "一级简码"});

CheckResult CheckBytes(const std::string& bytes) {
    TempPath file("check.txt", bytes);
    CheckResult result;
    EXPECT_TRUE(CheckPracticeFile(file.path(), result));
    return result;
}

bool Has(const CheckResult& result, FindingKind kind, unsigned line) {
    return std::any_of(result.findings.begin(), result.findings.end(),
                       [&](const Finding& f) { return f.kind == kind && f.line == line; });
}

std::string Describe(const CheckResult& result) {
    std::string text;
    for (const Finding& finding : result.findings)
        text += std::to_string(finding.line) + ": " + finding.message + "\n";
    return text;
}

} // namespace

TEST(Check, CleanFileListsEntriesWithTheirLinesAndExitsZero) {
    TempPath file("clean.txt", good);
    const ToolRun run = RunTool({"check", file.path()});
    EXPECT_EQ(run.exitCode, exitClean) << run.out;
    EXPECT_NE(run.out.find("lines 1-3"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("lines 4-6"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("rqyy"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("2 entries, 0 warnings"), std::string::npos) << run.out;

    const ToolRun quiet = RunTool({"check", "-q", file.path()});
    EXPECT_EQ(quiet.exitCode, exitClean);
    EXPECT_EQ(quiet.out.find("lines 1-3"), std::string::npos) << quiet.out;

    // A last line without its line end is read whole, up to 79 bytes.
    const CheckResult unterminated = CheckBytes(good + "人\r\nw\r\n" + std::string(79, 'x'));
    EXPECT_TRUE(unterminated.findings.empty()) << Describe(unterminated);
    ASSERT_EQ(unterminated.entries.size(), 3u);
    EXPECT_EQ(std::string(unterminated.entries[2].entry.reason), std::string(79, 'x'));
}

TEST(Check, MissingFileExitsTwo) {
    TempPath missing("missing.txt");
    const ToolRun run = RunTool({"check", missing.path()});
    EXPECT_EQ(run.exitCode, exitFailed);
    EXPECT_NE(run.err.find("cannot read"), std::string::npos) << run.err;
}

// Each case holds one fault; the warning it must raise, on its line.
TEST(Check, WarnsAboutEachFault) {
    const std::string reason100(100, 'r');
    struct Case {
        const char* name;
        std::string bytes;
        FindingKind kind;
        unsigned line;
    } cases[] = {
        {"byte-order mark", "\xEF\xBB\xBF" + good, FindingKind::byteOrderMark, 0},
        {"UTF-16", std::string("\xFF\xFE\x84\x76\r\0\n\0", 8), FindingKind::utf16, 0},
        {"UTF-8", Lines({u8"的", "rqyy", u8"全码", u8"一", "g", u8"简码"}),
         FindingKind::looksLikeUtf8, 0},
        {"Ctrl-Z", good + "\x1A" + good, FindingKind::ctrlZ, 7},
        {"NUL", Lines({"的", "rqyy", std::string("ab\0cd", 5)}), FindingKind::nulByte, 3},
        {"CR inside", Lines({"的", "rqyy\r", "x"}), FindingKind::carriageReturn, 2},
        {"long reason", Lines({"的", "rqyy", reason100}) + good, FindingKind::longLine, 3},
        {"cut reason", Lines({"的", "rqyy", reason100}) + good, FindingKind::reasonCut, 3},
        {"79-byte line", Lines({std::string(79, 'c'), "a", "b"}), FindingKind::longLine, 1},
        {"two characters", Lines({"的一", "rqyy", "x"}), FindingKind::severalCharacters, 1},
        {"empty character", Lines({"", "rqyy", "x"}), FindingKind::emptyCharacter, 1},
        {"long code", Lines({"的", "rqyyy", "x"}), FindingKind::longCode, 2},
        {"digit in code", Lines({"的", "rq1", "x"}), FindingKind::codeNotLetters, 2},
        {"empty code", Lines({"的", "", "x"}), FindingKind::emptyCode, 2},
        {"lead byte cut from code", Lines({"的", "abc的", "x"}), FindingKind::loneLeadByte, 2},
        {"lead byte before line end", Lines({"的", "rqyy", "ab\xB5"}), FindingKind::loneLeadByte,
         3},
        {"incomplete entry", good + Lines({"人", "w"}), FindingKind::incompleteEntry, 7},
        {"no entry", "", FindingKind::noEntries, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CheckResult result = CheckBytes(c.bytes);
        EXPECT_TRUE(Has(result, c.kind, c.line)) << Describe(result);
        TempPath file("fault.txt", c.bytes);
        EXPECT_EQ(RunTool({"check", file.path()}).exitCode, exitFindings);
    }
}

TEST(Check, LongLineNamesItsBytesAndShiftsLaterEntries) {
    const CheckResult result = CheckBytes(Lines({"的", "rqyy", std::string(100, 'r')}) + good);
    const auto longLine =
        std::find_if(result.findings.begin(), result.findings.end(),
                     [](const Finding& f) { return f.kind == FindingKind::longLine; });
    ASSERT_NE(longLine, result.findings.end());
    EXPECT_NE(longLine->message.find("100 bytes"), std::string::npos) << longLine->message;
    EXPECT_NE(longLine->message.find("2 lines"), std::string::npos) << longLine->message;
    // The reason keeps 79 bytes; its last 21 become the next character line.
    ASSERT_EQ(result.entries.size(), 3u);
    EXPECT_EQ(std::strlen(result.entries[0].entry.reason), 79u);
    EXPECT_EQ(result.entries[1].lines[0].line, 3u);
    EXPECT_EQ(result.entries[1].lines[0].offset, 79u);
    EXPECT_EQ(result.entries[1].lines[1].line, 4u);
    EXPECT_TRUE(Has(result, FindingKind::incompleteEntry, 9)) << Describe(result);

    // 79 bytes and a line end: nothing is cut, but the line end alone is the
    // next line.
    const CheckResult exact = CheckBytes(Lines({"的", "rqyy", std::string(79, 'r')}) + good);
    EXPECT_FALSE(std::any_of(exact.findings.begin(), exact.findings.end(),
                             [](const Finding& f) { return f.kind == FindingKind::reasonCut; }));
    EXPECT_TRUE(Has(exact, FindingKind::emptyCharacter, 3)) << Describe(exact);
}

TEST(Check, TrailingCtrlZAndPlainGbkAreFine) {
    EXPECT_TRUE(CheckBytes(good + "\x1A").findings.empty());
    // GBK text that happens to hold bytes UTF-8 also uses is still GBK.
    EXPECT_TRUE(CheckBytes(Lines({"联", "bud", "通"})).findings.empty());
}

// The entries must be the program's own: compare with the loader.
TEST(Check, EntriesAreThoseTheLoaderLoads) {
    const std::string files[] = {
        good,
        Lines({"的", "rqyy", std::string(100, 'r')}) + good,
        Lines({"a的", "abc的", std::string(50, 'x') + "的的的的的的的的的的的的的的的"}) + good,
        std::string("的\rrqyy\r\n\x1Ax"),
        Lines({"的", std::string("rq\0yy", 5), "x\r"}) + good,
    };
    const CodePage gbk = MakeCodePage(936);
    for (const std::string& bytes : files) {
        TempPath file("loader.txt", bytes);
        CharTable table;
        CharNode* cursor = nullptr;
        ASSERT_EQ(LoadPracticeFile(file.path(), table, cursor, gbk), LoadResult::loaded);
        CheckResult result;
        ASSERT_TRUE(CheckPracticeFile(file.path(), result));
        ASSERT_EQ(result.entries.size(), table.count());
        CharNode* node = table.first();
        for (const CheckedEntry& checked : result.entries) {
            EXPECT_EQ(std::memcmp(&checked.entry, &node->entry, sizeof(CharEntry)), 0);
            node = CharTable::next(node);
        }
    }
}
