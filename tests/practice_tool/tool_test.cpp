// The command line in both languages, its messages, the name for a dropped text.
#include "tool_test_support.h"

#include "practice_tool/wubi/key_charts.h"

#include <cstdlib>

namespace {

// The files each row of the command lines starts from, made afresh for it.
struct RowFiles {
    TempFile practice{"p.txt", "的\r\nrqyy\r\n全码\r\n一\r\ng\r\n一级简码\r\n"};
    TempFile text{"t.txt", u8"的， 一\n\u30001a的"};
    TempFile table{"b.yaml", u8"\uFEFF的\trqyy\n的\trqy\n一\tg\n"};
    TempFile utf16{"u.txt", "\xFF\xFE"};
    TempFile out{"o.txt", "old"};
    TempFile missing{"m.txt"};
    TempFile made{"made.txt"};
    TempFile taken{"t-wubi.txt", "x"};
    TempFile dropped{"t-wubi-2.txt"};
    TempFile wrong{"w.txt",
                   "的\r\nrqyy\r\nx\r\n的\r\nRQY\r\nx\r\n的\r\nrqya\r\nx\r\n的\r\nrq1\r\nx\r\n"};
    TempFile wide{"l.txt", std::string(79, 'x') + "\n"};
    TempFile odd{"c.txt", "的\r\nrqyy\r\n全\x01码a\x81\x02\r\n"}; // control bytes as escapes
    TempFile cut{"k.txt", "的\r\nrqyy\r\n" + std::string(80, 'r') + "\r\n一\r\ng\r\n"};
    TempFile crs{"r.txt", "的\r\nrqyy\r\nr\r" + std::string(100, 'r') + "\rr\r\n"};
};

// Whether `said` holds each part of `expected` ("a$b$c"), in their order, with
// anything between. ($ is no GBK trail byte, as | can be.)
bool HoldsInOrder(const std::string& said, const std::string& expected) {
    std::size_t at = 0;
    for (std::size_t start = 0, end; start <= expected.size(); start = end + 1) {
        end = std::min(expected.find('$', start), expected.size());
        if ((at = said.find(ConsoleText(expected.substr(start, end - start)), at)) == said.npos)
            return false;
    }
    return true;
}

} // namespace

// Each row alone, with the files as RowFiles makes them; a run that fails
// leaves OUT as it was.
TEST(Tool, CommandLinesInBothLanguages) {
    const RowFiles f;
    const std::string P = f.practice.path, T = f.text.path, B = f.table.path, O = f.out.path,
                      M = f.missing.path, D = f.made.path, W = f.wrong.path;
    const Language en = Language::english, zh = Language::chinese;
    // The arguments, the language, the exit code and what the output holds.
    const std::tuple<std::vector<std::string>, Language, int, std::string> cases[] = {
        {{"--help"}, zh, exitClean, "用法：practice_tool [--wubi=86|98] 命令"},
        {{"check", P}, en, exitClean, "1  lines 1-3$2  lines 4-6$一$g$一级简码\n"},
        {{"check", f.odd.path}, en, exitClean, "1-3$的$rqyy$全\\x01码a\\x81\\x02\n"},
        {{"check", "-q", P}, zh, exitClean, "2 组，0 个警告"},
        {{"check", f.cut.path}, en, exitFindings, "2  lines 3+79,4,5"},
        {{"check", "-q", f.crs.path}, en, exitFindings, "1 entries, 5 warnings"},
        {{"check", "-q", W}, en, exitFindings, "w.txt:8: warning: rqya is not a Wubi 86 code"},
        {{"check", W, "--wubi=98", "-q"}, en, exitFindings, "4 entries, 2 warnings"},
        {{"--wubi=98", "check", "--wubi=97", P},
         en,
         exitFailed,
         "practice_tool: '97' is not a value of --wubi (it takes 86, 98)\n\"practice_tool check"},
        {{"check", "--bogus", P}, zh, exitFailed, "没有“--bogus”这个选项"},
        {{"check", "--html", P}, en, exitFailed, "unknown option '--html'"},
        {{"keys", "--html"}, en, exitFailed, "Usage: practice_tool keys [--wubi=86|98] [--html"},
        {{"keys", P}, zh, exitFailed, "用法：practice_tool keys"},
        {{P, P}, en, exitClean, P + " is a practice file already (2 entries); nothing was made.\n"},
        {{"make", T, B, D}, en, exitClean, "made.txt: 2 entries written\n  1 characters came"},
        {{"make", T, B, D}, zh, exitClean, "跳过了 3 个码表里没有的字符"},
        {{"make", "--code=3", T, B, D},
         en,
         exitClean,
         "  1 characters skipped that have no three-letter short code"},
        {{T}, en, exitClean, "-2.txt (2 characters from " + T + ").\n  1 characters came"},
        {{"--wubi=98", T}, zh, exitClean, "t-wubi-2.txt（2 个字"},
        {{T, "--wubi=98"}, zh, exitClean, "t-wubi-2.txt（2 个字"},
        {{"make", T, M, O}, en, exitFailed, "m.txt: error: cannot read the Wubi table$looks for"},
        {{"make", "--code=1", T, B, O}, zh, exitFindings, "错误：文本里没有一个字"},
        {{"convert", f.utf16.path, O}, en, exitFindings, "u.txt:1: error: the file is UTF-16"},
        {{"convert", P, M + "/o.txt"}, en, exitFailed, "cannot write the file"},
        {{"convert", W, O},
         en,
         exitFindings,
         "w.txt:11: error: code holds something other$o.txt: not"},
        {{"check", M}, zh, exitFailed, "m.txt：无法读取文件"},
        {{"make", "--order=shuffle", "--number=x", T, O}, zh, exitFailed, "--number 不能取“x”"},
        {{"make", "--bogus", T, O}, zh, exitFailed, "没有“--bogus”这个选项\n“practice_tool make"},
        {{"make", "--code", T, O}, en, exitFailed, "'' is not a value of --code (it takes full"},
        {{"make", "--number=3", T, O}, en, exitFailed, "Usage: practice_tool make"},
        {{"make", T, O, "--wubi=97"}, en, exitFailed, "not a value of --wubi"},
        {{"--code=1", "make", T, O}, en, exitFailed, "option '--code=1'\n\"practice_tool --help"},
        {{"--seed=1", "make", T, O}, en, exitFailed, "unknown option '--seed=1'"},
        {{"--wubi=98"}, en, exitFailed, "Usage: practice_tool [--wubi=86|98] COMMAND"},
        {{"frobnicate"}, zh, exitFailed, "没有“frobnicate”这个命令"},
        {{}, en, exitFailed, "Usage: practice_tool [--wubi=86|98] COMMAND"},
        {{"check"}, zh, exitFailed, "用法：practice_tool check"},
    };
    for (const auto& [arguments, language, exitCode, expected] : cases) {
        const RowFiles files;
        const auto [code, said] = RunTool(arguments, language);
        EXPECT_EQ(code, exitCode) << expected;
        EXPECT_TRUE(HoldsInOrder(said, expected)) << said;
        EXPECT_TRUE(code == exitClean || files.out.read() == "old") << expected;
    }
}

// keys prints each key of the version's chart, a line each, with its fields.
TEST(Tool, KeysPrintTheChart) {
    for (const WubiVersion version : {WubiVersion::wubi86, WubiVersion::wubi98}) {
        const auto [code, said] =
            RunTool({"keys", std::string("--wubi=") + DataOf(version).number});
        EXPECT_EQ(code, exitClean);
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 25);
        for (const WubiKey& key : WubiKeys(version))
            EXPECT_TRUE(HoldsInOrder(
                "\n" + said, std::string("\n") + key.letter + "\t" + std::to_string(key.position) +
                                 "\t" + key.zone + "\t" + key.keyName + "$" + key.levelOne + "\t" +
                                 key.chart + "\t" + (*key.verse ? key.verse : "-")))
                << key.letter;
    }
}

// Every message in both languages, with the same figures to fill in.
TEST(Tool, EachMessageHasBothTexts) {
    for (int id = 1; id < static_cast<int>(Msg::count); ++id) {
        const std::string en = MessageText(Language::english, static_cast<Msg>(id));
        const std::string zh = MessageText(Language::chinese, static_cast<Msg>(id));
        EXPECT_FALSE(zh.empty() || zh == en) << en;
        for (const char* place : {"{1}", "{2}", "{3}", "{4}"})
            EXPECT_EQ(en.find(place) == en.npos, zh.find(place) == zh.npos) << en;
    }
    EXPECT_EQ(Say(Language::english, Msg::cannotRead, {"{1}"}), "{1}: cannot read the file");
}

#ifndef _WIN32 // under Wine the code page decides; the release test tries both
TEST(Tool, SpeaksTheLanguageOfTheLocale) {
    const std::string lang = std::getenv("LANG") ? std::getenv("LANG") : "";
    const auto with = [](const char* all, const char* messages, const char* lang) {
        setenv("LC_ALL", all, 1), setenv("LC_MESSAGES", messages, 1), setenv("LANG", lang, 1);
        return SystemLanguage();
    };
    EXPECT_EQ(with("zh_CN.UTF-8", "C", "C"), Language::chinese);
    EXPECT_EQ(with("", "C", "zh_CN.UTF-8"), Language::english);
    EXPECT_EQ(with("", "", "zh_TW.GBK"), Language::chinese);
    EXPECT_EQ(with("", "", ""), Language::english);
    unsetenv("LC_ALL"), unsetenv("LC_MESSAGES"), setenv("LANG", lang.c_str(), 1);
}
#endif

TEST(Tool, NamesTheFileMadeFromADroppedText) {
    EXPECT_EQ(PracticeFileNameFor("C:\\课文\\第一课.txt", 1), "C:\\课文\\第一课-wubi.txt");
    EXPECT_EQ(PracticeFileNameFor("/home/li/lesson", 2), "/home/li/lesson-wubi-2.txt");
    EXPECT_EQ(PracticeFileNameFor("notes.v2/a.b/.profile", 3), "notes.v2/a.b/.profile-wubi-3.txt");
}
