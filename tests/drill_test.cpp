#include "core/drill.h"

#include "test_support.h"

#include <algorithm>

namespace {

// The notices as the user must see them: text, caption and style.
std::string Show(const std::string& text, const std::string& caption, unsigned style) {
    return "show " + text + " | " + caption + " | " + std::to_string(style);
}
const std::string emptyTable =
    Show("没有找到字。\r\n请使用菜单打开一个有效的练习文件。", "字表空", 0x40);
const std::string lastEntry = Show("已经到达最后一个字了。", "已到最后", 0x40);
const std::string firstEntry = Show("已经到达第一个字了。", "已到最前", 0x40);
const std::string right = Show("回答正确！", "回答正确", 0);
const std::string tryAgain = Show("回答不正确，请再试。", "回答错误", 0);
std::string Reveal(const std::string& code, const std::string& reason) {
    return Show("正确答案是：" + code + "\r\n" + reason, "回答错误", 0);
}

using Calls = std::vector<std::string>;

// The practice dialog as the drill sees it: every call is kept in order, with
// where `current` stood when it was made.
class Recorder : public DrillWindow {
  public:
    std::string typed; // the answer box's text

    void showMessage(const char* text, const char* caption, MessageStyle style) override {
        Record(Show(text, caption, style));
    }
    // Like the answer box: at most 19 bytes and a NUL.
    void readAnswer(char (&answer)[answerBufferSize]) override {
        const std::size_t length = std::min(typed.size(), answerBufferSize - 1);
        typed.copy(answer, length);
        answer[length] = '\0';
        Record("read");
    }
    void clearAnswer() override {
        typed.clear();
        Record("clear");
    }
    void repaint() override { Record("repaint"); }

    // The calls since the last take.
    Calls Take() {
        Calls taken;
        taken.swap(calls_);
        positions_.clear();
        return taken;
    }
    CharNode* PositionAt(const std::string& call) const {
        auto found = std::find(calls_.begin(), calls_.end(), call);
        return found == calls_.end() ? nullptr : positions_[found - calls_.begin()];
    }

  private:
    void Record(const std::string& call) {
        calls_.push_back(call);
        positions_.push_back(current);
    }
    Calls calls_;
    std::vector<CharNode*> positions_;
};

// Three entries loaded into the process-wide table, the way the practice dialog
// finds them; the process-wide wrong-answer count starts at 0.
class Drill : public testing::Test {
  protected:
    void SetUp() override {
        Load(material_.path());
        wrongAnswers = 0;
    }
    void TearDown() override {
        charTable.clear();
        current = charTable.end();
        wrongAnswers = 0;
    }
    static void Load(const char* path) {
        ASSERT_EQ(LoadPracticeFile(path, charTable, current, MakeCodePage(936)),
                  LoadResult::loaded);
    }
    Calls Check(const std::string& typed) {
        window.typed = typed;
        CheckAnswer(window);
        return window.Take();
    }
    Calls Next() {
        NextChar(window);
        return window.Take();
    }
    Calls Previous() {
        PrevChar(window);
        return window.Take();
    }
    CharNode* Entry(int index) {
        CharNode* node = charTable.first();
        while (index-- > 0)
            node = CharTable::next(node);
        return node;
    }

    TempFile material_{"drill",
                       "中\nkhk\nzhong reason\n文\nyygy\nwen reason\n字\npbf\nzi reason\n"};
    Recorder window;
};

TEST_F(Drill, RightAnswerMovesOnIgnoringCase) {
    EXPECT_EQ(Check("khk"), (Calls{"read", right, "clear", "repaint"}));
    EXPECT_EQ(current, Entry(1));
    EXPECT_EQ(window.typed, "");
    EXPECT_EQ(Check("YyGY"), (Calls{"read", right, "clear", "repaint"}));
    EXPECT_EQ(current, Entry(2));
}

TEST_F(Drill, NoticeTextsAreGbk) {
    EXPECT_EQ(Check("khk").at(1), Show("\xBB\xD8\xB4\xF0\xD5\xFD\xC8\xB7\xA3\xA1",
                                       "\xBB\xD8\xB4\xF0\xD5\xFD\xC8\xB7", 0));
}

TEST_F(Drill, ThirdWrongAnswerRevealsCodeAndReasonThenMovesOn) {
    EXPECT_EQ(Check("kh"), (Calls{"read", tryAgain, "clear"}));
    EXPECT_EQ(wrongAnswers, 1);
    EXPECT_EQ(Check("khkk"), (Calls{"read", tryAgain, "clear"}));
    EXPECT_EQ(wrongAnswers, 2);
    EXPECT_EQ(current, Entry(0));
    EXPECT_EQ(Check("x"), (Calls{"read", Reveal("khk", "zhong reason"), "clear", "repaint"}));
    EXPECT_EQ(wrongAnswers, 0);
    EXPECT_EQ(current, Entry(1));
}

// The answer box gives at most 19 bytes, so a long answer is judged by those.
TEST_F(Drill, WrongAnswersAreNotTrimmedOrShortened) {
    const std::string wrongs[] = {
        "", " khk", "khk ", "kh k", "khk" + std::string(22, ' '), std::string(25, 'k')};
    for (const std::string& typed : wrongs) {
        SCOPED_TRACE(testing::PrintToString(typed));
        wrongAnswers = 0;
        EXPECT_EQ(Check(typed), (Calls{"read", tryAgain, "clear"}));
        EXPECT_EQ(current, Entry(0));
    }
}

TEST_F(Drill, EmptyCodeIsMatchedByEmptyAnswer) {
    TempFile file("empty_code", "中\n\nno code\n");
    Load(file.path());
    EXPECT_EQ(Check(""), (Calls{"read", right, "clear", lastEntry, "repaint"}));
}

TEST_F(Drill, CountSurvivesReopeningButNotAMove) {
    Check("a");
    Recorder reopened; // the dialog closed and opened again
    reopened.typed = "b";
    CheckAnswer(reopened);
    EXPECT_EQ(reopened.Take(), (Calls{"read", tryAgain, "clear"}));
    EXPECT_EQ(Check("c"), (Calls{"read", Reveal("khk", "zhong reason"), "clear", "repaint"}));

    Check("a");
    EXPECT_EQ(Next(), Calls{"repaint"});
    EXPECT_EQ(wrongAnswers, 0);
    EXPECT_EQ(current, Entry(2));
    EXPECT_EQ(Check("b"), (Calls{"read", tryAgain, "clear"}));
    EXPECT_EQ(Previous(), Calls{"repaint"});
    EXPECT_EQ(wrongAnswers, 0);
    EXPECT_EQ(current, Entry(1));
    EXPECT_EQ(Check("b"), (Calls{"read", tryAgain, "clear"}));
}

// Passing the last entry shows its notice while `current` is the end marker,
// then the last entry comes back and is drawn again.
TEST_F(Drill, RightAnswerOnLastEntryKeepsItShown) {
    Next();
    Next();
    EXPECT_EQ(Check("PBF"), (Calls{"read", right, "clear", lastEntry, "repaint"}));
    EXPECT_EQ(current, Entry(2));
    EXPECT_EQ(window.typed, "");

    window.typed = "pbf";
    CheckAnswer(window);
    EXPECT_EQ(window.PositionAt(right), Entry(2));
    EXPECT_EQ(window.PositionAt(lastEntry), charTable.end());
    EXPECT_EQ(window.PositionAt("repaint"), Entry(2));
}

TEST_F(Drill, ThirdWrongAnswerOnLastEntryStaysThere) {
    Next();
    Next();
    Check("a");
    Check("b");
    EXPECT_EQ(Check("c"),
              (Calls{"read", Reveal("pbf", "zi reason"), "clear", lastEntry, "repaint"}));
    EXPECT_EQ(current, Entry(2));
    EXPECT_EQ(wrongAnswers, 0);
}

TEST_F(Drill, NextOnLastEntryResetsTheCount) {
    Next();
    Next();
    Check("a");
    Check("b");
    EXPECT_EQ(Next(), (Calls{lastEntry, "repaint"}));
    EXPECT_EQ(current, Entry(2));
    EXPECT_EQ(wrongAnswers, 0);
    EXPECT_EQ(Check("a"), (Calls{"read", tryAgain, "clear"}));
    EXPECT_EQ(Check("b"), (Calls{"read", tryAgain, "clear"}));
    EXPECT_EQ(Check("c"),
              (Calls{"read", Reveal("pbf", "zi reason"), "clear", lastEntry, "repaint"}));
}

TEST_F(Drill, PreviousOnFirstEntryKeepsTheCount) {
    Check("a");
    Check("b");
    EXPECT_EQ(Previous(), Calls{firstEntry});
    EXPECT_EQ(current, Entry(0));
    EXPECT_EQ(wrongAnswers, 2);
    EXPECT_EQ(Check("c"), (Calls{"read", Reveal("khk", "zhong reason"), "clear", "repaint"}));
}

TEST_F(Drill, OneEntryTableStaysOnItsEntry) {
    TempFile file("one_entry", "中\nkhk\nzhong\n");
    Load(file.path());
    EXPECT_EQ(Next(), (Calls{lastEntry, "repaint"}));
    EXPECT_EQ(Previous(), Calls{firstEntry});
    EXPECT_EQ(current, charTable.first());
}

TEST_F(Drill, EmptyTableOnlyShowsItsNotice) {
    TempFile file("no_entries", "中\nkhk\n");
    Load(file.path());
    wrongAnswers = 1;
    window.typed = "khk";
    EXPECT_EQ(Check("khk"), Calls{emptyTable});
    EXPECT_EQ(window.typed, "khk") << "neither read nor cleared";
    EXPECT_EQ(Next(), Calls{emptyTable});
    EXPECT_EQ(Previous(), Calls{emptyTable});
    EXPECT_EQ(current, charTable.end());
    EXPECT_EQ(wrongAnswers, 1);
}

TEST_F(Drill, RevealHoldsLongestCodeAndReason) {
    const std::string reason(79, 'r');
    TempFile file("longest", "中\nabcd\n" + reason + "\n文\nb\nc\n");
    Load(file.path());
    Check("a");
    Check("b");
    EXPECT_EQ(Check("c"), (Calls{"read", Reveal("abcd", reason), "clear", "repaint"}));
}

// New material starts with fresh tries; a file that cannot be opened changes
// nothing.
TEST_F(Drill, LoadingMaterialResetsTheCount) {
    TempFile other("other", "文\nyygy\nwen\n");
    Check("a");
    Check("b");
    EXPECT_EQ(LoadDrillMaterial((testing::TempDir() + "tarnvel_missing.txt").c_str()),
              LoadResult::notOpened);
    EXPECT_EQ(wrongAnswers, 2);
    EXPECT_EQ(charTable.count(), 3u);
    EXPECT_EQ(current, Entry(0));

    EXPECT_EQ(LoadDrillMaterial(other.path()), LoadResult::loaded);
    EXPECT_EQ(wrongAnswers, 0);
    EXPECT_EQ(charTable.count(), 1u);
    EXPECT_EQ(current, charTable.first());
    EXPECT_EQ(Check("a"), (Calls{"read", tryAgain, "clear"}));
    EXPECT_EQ(Check("yygy"), (Calls{"read", right, "clear", lastEntry, "repaint"}));
}

} // namespace
