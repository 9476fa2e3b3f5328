#include "core/drill.h"

#include "test_support.h"

namespace {

// A notice as the user sees it: text, caption and style.
std::string Show(const std::string& text, const std::string& caption, unsigned style) {
    return text + " | " + caption + " | " + std::to_string(style);
}
// "@end": shown while `current` is the end marker, so a repaint meanwhile
// draws no character.
const std::string emptyTable =
    Show("没有找到字。\r\n请使用菜单打开一个有效的练习文件。", "字表空", 0x40) + " @end";
const std::string lastEntry = Show("已经到达最后一个字了。", "已到最后", 0x40) + " @end";
const std::string firstEntry = Show("已经到达第一个字了。", "已到最前", 0x40);
const std::string right = Show("回答正确！", "回答正确", 0);
const std::string tryAgain = Show("回答不正确，请再试。", "回答错误", 0);
std::string Reveal(const std::string& code, const std::string& reason) {
    return Show("正确答案是：" + code + "\r\n" + reason, "回答错误", 0);
}

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

// The position of `node` in the table; -1 for the end marker.
int Index(const CharNode* node) {
    int index = 0;
    for (CharNode* at = charTable.first(); at != charTable.end(); at = CharTable::next(at), ++index)
        if (at == node)
            return index;
    return -1;
}

// One thing the user does, and what must follow. Actions: "+bytes" loads a
// practice file holding those bytes, "-" one that cannot be opened, "?text"
// checks the answer "text", ">" is Next and "<" Previous.
struct Step {
    std::string action;
    Calls calls;
    int at;    // where `current` is afterwards
    int wrong; // wrongAnswers afterwards
};

// Every step gets a dialog of its own, as if it had been closed and opened
// again in between: the drill's state must outlive it.
void Play(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::PrintToString(step.action.substr(0, 30)));
        Recorder dialog;
        dialog.typed = step.action.substr(1);
        switch (step.action[0]) {
        case '+':
            EXPECT_EQ(LoadDrillMaterial(TempFile("drill", dialog.typed).path()),
                      LoadResult::loaded);
            break;
        case '-': EXPECT_EQ(LoadDrillMaterial(""), LoadResult::notOpened); break;
        case '?': CheckAnswer(dialog); break;
        case '>': NextChar(dialog); break;
        case '<': PrevChar(dialog); break;
        }
        EXPECT_EQ(dialog.calls, step.calls);
        EXPECT_EQ(Index(current), step.at);
        EXPECT_EQ(wrongAnswers, step.wrong);
    }
}

const std::string three = "中\nkhk\nzhong reason\n文\nyygy\nwen reason\n字\npbf\nzi reason\n";

TEST(Drill, NoticesAreGbk) {
    EXPECT_EQ(right, Show("\xBB\xD8\xB4\xF0\xD5\xFD\xC8\xB7\xA3\xA1",
                          "\xBB\xD8\xB4\xF0\xD5\xFD\xC8\xB7", 0));
}

// No blanks are trimmed, an empty answer counts, letters match in any case.
TEST(Drill, ThirdWrongAnswerRevealsTheCodeAndMovesOn) {
    Play({{"+" + three, {}, 0, 0},
          {"?kHK", {"read", right, "clear", "repaint"}, 1, 0},
          {"?", {"read", tryAgain, "clear"}, 1, 1},
          {"? yygy", {"read", tryAgain, "clear"}, 1, 2},
          {"?yygy ", {"read", Reveal("yygy", "wen reason"), "clear", "repaint"}, 2, 0}});
}

TEST(Drill, MovingResetsTheCountButTheFirstEntryNoticeDoesNot) {
    Play({{"+" + three, {}, 0, 0},
          {"?a", {"read", tryAgain, "clear"}, 0, 1},
          {"?b", {"read", tryAgain, "clear"}, 0, 2},
          {"<", {firstEntry}, 0, 2},
          {"?c", {"read", Reveal("khk", "zhong reason"), "clear", "repaint"}, 1, 0},
          {"?a", {"read", tryAgain, "clear"}, 1, 1},
          {">", {"repaint"}, 2, 0},
          {"?b", {"read", tryAgain, "clear"}, 2, 1},
          {"<", {"repaint"}, 1, 0}});
}

// Passing the last entry shows its notice, then the last entry comes back.
TEST(Drill, LastEntryStaysWithFreshTries) {
    Play({{"+" + three, {}, 0, 0},
          {">", {"repaint"}, 1, 0},
          {">", {"repaint"}, 2, 0},
          {"?a", {"read", tryAgain, "clear"}, 2, 1},
          {"?b", {"read", tryAgain, "clear"}, 2, 2},
          {">", {lastEntry, "repaint"}, 2, 0},
          {"?a", {"read", tryAgain, "clear"}, 2, 1},
          {"?b", {"read", tryAgain, "clear"}, 2, 2},
          {"?c", {"read", Reveal("pbf", "zi reason"), "clear", lastEntry, "repaint"}, 2, 0},
          {"?PBF", {"read", right, "clear", lastEntry, "repaint"}, 2, 0}});
}

TEST(Drill, OneEntryAndNoEntries) {
    Play({{"+中\nkhk\nzhong\n", {}, 0, 0},
          {">", {lastEntry, "repaint"}, 0, 0},
          {"<", {firstEntry}, 0, 0},
          {"+中\nkhk\n", {}, -1, 0},
          {"?khk", {emptyTable}, -1, 0},
          {">", {emptyTable}, -1, 0},
          {"<", {emptyTable}, -1, 0}});
}

// The longest code and reason fit the reveal; an empty code wants an empty answer.
TEST(Drill, RevealShowsCodeAndReasonOnTwoLines) {
    const std::string reason(79, 'r');
    Play({{"+中\n\nno code\n文\nabcd\n" + reason + "\n", {}, 0, 0},
          {"?", {"read", right, "clear", "repaint"}, 1, 0},
          {"?a", {"read", tryAgain, "clear"}, 1, 1},
          {"?b", {"read", tryAgain, "clear"}, 1, 2},
          {"?c", {"read", Reveal("abcd", reason), "clear", lastEntry, "repaint"}, 1, 0}});
}

// New material starts with fresh tries; a file that cannot be opened changes nothing.
TEST(Drill, LoadingNewMaterialResetsTheCount) {
    Play({{"+" + three, {}, 0, 0},
          {">", {"repaint"}, 1, 0},
          {"?a", {"read", tryAgain, "clear"}, 1, 1},
          {"-", {}, 1, 1},
          {"+文\nyygy\nwen\n", {}, 0, 0},
          {"?a", {"read", tryAgain, "clear"}, 0, 1}});
}

} // namespace
