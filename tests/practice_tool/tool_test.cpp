// The command line in both languages, its messages, the name for a dropped text.
#include "tool_test_support.h"

#include <cstdlib>

TEST(Tool, CommandLinesInBothLanguages) {
    const TempFile practice("p.txt", "的\r\nrqyy\r\n全码\r\n一\r\ng\r\n一级简码\r\n"),
        text("t.txt", u8"的， 一\n\u30001a的"),
        table("b.yaml", u8"\uFEFF的\trqyy\n的\trqy\n一\tg\n"), utf16("u.txt", "\xFF\xFE"),
        out("o.txt", "old"), missing("m.txt"), made("made.txt"), taken("t-wubi.txt", "x"),
        dropped("t-wubi-2.txt"), dropped98("t-wubi-3.txt"),
        wrong("w.txt",
              "的\r\nrqyy\r\nx\r\n的\r\nRQY\r\nx\r\n的\r\nrqya\r\nx\r\n的\r\nrq1\r\nx\r\n"),
        wide("l.txt", std::string(79, 'x') + "\n"),
        odd("c.txt", "的\r\nrqyy\r\n全\x01码a\x81\x02\r\n"), // control bytes shown as escapes
        crs("r.txt", "的\r\nrqyy\r\nr\r" + std::string(100, 'r') + "\rr\r\n");
    const std::string P = practice.path, T = text.path, B = table.path, O = out.path,
                      M = missing.path, D = made.path, usage = "Usage: practice_tool make";
    const Language en = Language::english, zh = Language::chinese;
    // The arguments, the language, the exit code and what the output or the errors hold.
    const std::tuple<std::vector<std::string>, Language, int, std::string> cases[] = {
        {{"--help"}, en, exitClean, "Usage: practice_tool [--wubi=86|98] COMMAND"},
        {{"--help"}, zh, exitClean, "用法：practice_tool [--wubi=86|98] 命令"},
        {{"check", P}, en, exitClean, "2  lines 4-6          一  g     一级简码\n"},
        {{"check", odd.path}, en, exitClean, "1-3          的  rqyy  全\\x01码a\\x81\\x02\n"},
        {{"check", "-q", P}, zh, exitClean, "2 组，0 个警告"},
        {{"check", "-q", crs.path}, en, exitFindings, "1 entries, 5 warnings"}, // 1 CR warning
        {{"keys"}, en, exitClean, "\nx\t55\t折区\t纟\t-\t经\t纟 幺 弓 匕 母无心 彑\t慈母"},
        {{"--wubi=98", "keys"},
         en,
         exitClean,
         "\nx\t55\t折区\t幺\t-\t经\t幺 母 贯字头 弓 匕 纟 彑\t-\n"},
        {{"check", "--wubi=98", P}, zh, exitClean, "2 组，0 个警告"},
        {{"keys", "--html"}, en, exitFailed, "Usage: practice_tool keys [--wubi=86|98] [--html"},
        {{"keys", P}, zh, exitFailed, "用法：practice_tool keys"},
        {{"check", "--html", P}, en, exitFailed, "unknown option '--html'"},
        {{"check", "-q", wrong.path},
         en,
         exitFindings,
         "w.txt:8: warning: rqya is not a Wubi 86 code"},
        {{"check", "--wubi=98", "-q", wrong.path}, en, exitFindings, "4 entries, 2 warnings"},
        {{"--wubi=98", "check", "--wubi=97", P},
         en,
         exitFailed,
         "practice_tool: '97' is not a value of --wubi (it takes 86, 98)\n\"practice_tool check "
         "--help\" tells more.\n"},
        {{P, P}, en, exitClean, "(2 entries); nothing was made.\n" + P + " is a practice"},
        {{"make", T, B, D}, en, exitClean, "made.txt: 2 entries written\n  1 characters came"},
        {{"make", T, B, D}, zh, exitClean, "跳过了 3 个码表里没有的字符"},
        {{"make", "--code=3", T, B, D}, en, exitClean, "skipped that have no three-letter short"},
        {{T}, en, exitClean, "-2.txt (2 characters from " + T + ").\n  1 characters came"},
        {{"--wubi=98", T}, zh, exitClean, "t-wubi-3.txt（2 个字"},
        {{"make", T, M, O}, zh, exitFailed, "在自己所在的文件夹里找五笔码表"},
        {{"make", T, M, O}, en, exitFailed, "m.txt: error: cannot read the Wubi table"},
        {{"make", "--code=1", T, B, O}, zh, exitFindings, "错误：文本里没有一个字"},
        {{"convert", utf16.path, O}, en, exitFindings, "u.txt:1: error: the file is UTF-16"},
        {{"convert", wide.path, O}, en, exitFindings, "l.txt:1: error: line has 79 bytes in GBK"},
        {{"convert", P, M + "/o.txt"}, en, exitFailed, "cannot write the file"},
        {{"check", M}, zh, exitFailed, "m.txt：无法读取文件"},
        {{"convert", M, O}, en, exitFailed, "m.txt: cannot read the file"},
        {{"make", "--order=shuffle", "--number=x", T, O}, zh, exitFailed, "--number 不能取“x”"},
        {{"make", "--bogus", T, O}, zh, exitFailed, "没有“--bogus”这个选项\n“practice_tool make"},
        {{"make", "--code=4", T, O}, en, exitFailed, "'4' is not a value of --code"},
        {{"make", "--number=3", T, O}, en, exitFailed, usage},
        {{"make", T, O, "--wubi=97"}, en, exitFailed, "not a value of --wubi"},
        {{"--wubi=98"}, en, exitFailed, "Usage: practice_tool [--wubi=86|98] COMMAND"},
        {{"make", T}, en, exitFailed, usage},
        {{"frobnicate"}, zh, exitFailed, "没有“frobnicate”这个命令"},
        {{}, en, exitFailed, "Usage: practice_tool [--wubi=86|98] COMMAND"},
        {{"check"}, zh, exitFailed, "用法：practice_tool check"},
    };
    for (const auto& [arguments, language, exitCode, expected] : cases) {
        const auto [code, said] = RunTool(arguments, language);
        EXPECT_EQ(code, exitCode) << expected;
        EXPECT_NE(said.find(ConsoleText(expected)), std::string::npos) << said;
    }
    EXPECT_EQ(out.read(), "old");
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
