#include "core/drill.h"

#include "test_support.h"

#include <tuple>

// A notice as the user sees it: text, caption and style.
static std::string Show(const std::string& text, const std::string& caption, unsigned style) {
    return text + " | " + caption + " | " + std::to_string(style);
}
// "@end": shown while `current` is the end marker, where a repaint draws nothing.
const std::string emptyTable =
    Show("没有找到字。\r\n请使用菜单打开一个有效的练习文件。", "字表空", 0x40) + " @end";
const std::string lastEntry = Show("已经到达最后一个字了。", "已到最后", 0x40) + " @end";
const std::string firstEntry = Show("已经到达第一个字了。", "已到最前", 0x40);
const std::string right = Show("回答正确！", "回答正确", 0);
const std::string tryAgain = Show("回答不正确，请再试。", "回答错误", 0);
static std::string Reveal(const std::string& code, const std::string& reason) {
    return Show("正确答案是：" + code + "\r\n" + reason, "回答错误", 0);
}

static_assert(sizeof "回答正确！" == 11, "the texts are code page 936 bytes");

using Calls = std::vector<std::string>;

// The practice dialog as the drill sees it: every call, in order.
struct Recorder : DrillWindow {
    std::string typed; // the answer box's text
    Calls calls;

    void showMessage(const char* text, const char* caption, MessageStyle style) override {
        calls.push_back(Show(text, caption, style) + (current == charTable.end() ? " @end" : ""));
    }
    // Like the answer box: at most 19 bytes and a NUL.
    void readAnswer(char (&answer)[answerBufferSize]) override {
        answer[typed.copy(answer, answerBufferSize - 1)] = '\0';
        calls.push_back("read");
    }
    void clearAnswer() override { calls.push_back("clear"); }
    void repaint() override { calls.push_back("repaint"); }
};

// What the user does, each step with the calls that must follow, the character
// `current` is then on ("" for the end marker) and the count of wrong answers.
// "+bytes" loads a practice file holding the bytes, "-" one that cannot be
// opened, "?text" checks the answer "text", ">" is Next, "<" Previous. Each step
// gets a dialog of its own, as if it had been closed and opened again.
using Steps = std::vector<std::tuple<std::string, Calls, std::string, int>>;
static void Play(const Steps& steps) {
    for (const auto& [action, calls, shown, count] : steps) {
        SCOPED_TRACE(testing::PrintToString(action.substr(0, 30)));
        Recorder dialog;
        dialog.typed = action.substr(1); // the answer, or the practice file's bytes
        switch (action[0]) {
        case '+': LoadDrillMaterial(TempFile("drill", dialog.typed).path.c_str()); break;
        case '-': LoadDrillMaterial(""); break;
        case '?': CheckAnswer(dialog); break;
        case '>': NextChar(dialog); break;
        case '<': PrevChar(dialog); break;
        }
        EXPECT_EQ(dialog.calls, calls);
        EXPECT_EQ(current->entry.character, shown);
        EXPECT_EQ(wrongAnswers, count);
    }
}

// The last entry has the longest code and reason a reveal must hold.
const std::string reason(79, 'r');
const std::string three = "中\nkhk\nzhong\n字\npbf\nzi\n文\nyygy\n" + reason;
const Calls wrong = {"read", tryAgain, "clear"};

// Letters match in any case, no blanks are trimmed and an empty answer counts.
// Passing the last entry shows its notice, then the last entry comes back.
TEST(Drill, ThreeTriesUpToTheLastEntry) {
    Play({{"+" + three, {}, "中", 0},
          {"?kHK", {"read", right, "clear", "repaint"}, "字", 0},
          {"?", wrong, "字", 1},
          {"? pbf", wrong, "字", 2},
          {"?pbf ", {"read", Reveal("pbf", "zi"), "clear", "repaint"}, "文", 0},
          {"?a", wrong, "文", 1},
          {">", {lastEntry, "repaint"}, "文", 0},
          {"?a", wrong, "文", 1},
          {"?b", wrong, "文", 2},
          {"?c", {"read", Reveal("yygy", reason), "clear", lastEntry, "repaint"}, "文", 0}});
}

TEST(Drill, MovingResetsTheCountButTheFirstEntryNoticeDoesNot) {
    Play({{"+" + three, {}, "中", 0},
          {"?a", wrong, "中", 1},
          {"<", {firstEntry}, "中", 1},
          {">", {"repaint"}, "字", 0},
          {"?b", wrong, "字", 1},
          {"<", {"repaint"}, "中", 0}});
}

// New material starts with fresh tries; a file that cannot be opened changes
// nothing; an empty code wants an empty answer; without entries every action
// only shows the notice.
TEST(Drill, LoadingNewMaterial) {
    Play({{"+" + three, {}, "中", 0},
          {">", {"repaint"}, "字", 0},
          {"?a", wrong, "字", 1},
          {"-", {}, "字", 1},
          {"+中\n\nzhong\n", {}, "中", 0},
          {"?", {"read", right, "clear", lastEntry, "repaint"}, "中", 0},
          {"<", {firstEntry}, "中", 0},
          {"+中\nkhk\n", {}, "", 0},
          {"?khk", {emptyTable}, "", 0},
          {">", {emptyTable}, "", 0},
          {"<", {emptyTable}, "", 0}});
}
