// The practice dialog end to end: the empty table, then a whole drill over
// three characters with every verdict and notice.
#include "tests/e2e/check.h"
#include "tests/e2e/expected_texts.h"
#include "tests/e2e/input.h"
#include "tests/e2e/practice_files.h"
#include "tests/e2e/practice_view.h"
#include "tests/e2e/program_windows.h"
#include "tests/e2e/windows_found.h"
#include "tests/e2e/suites.h"

namespace {

const std::vector<PracticeEntry> material = {
    {"工", "aaaa", "工：键名字，连击四下。"},
    {"了", "bnh", "了：乙、丨，末笔识别码。"},
    {"以", "nywy", "以：乙、丶、人，补末笔。"},
};
const std::vector<std::string> characters = {"工", "了", "以"};

const ExpectedBox emptyTable{expected::emptyTable, expected::emptyTableCaption,
                             BoxIcon::information};
const ExpectedBox lastEntry{expected::lastEntry, expected::lastEntryCaption, BoxIcon::information};
const ExpectedBox firstEntry{expected::firstEntry, expected::firstEntryCaption,
                             BoxIcon::information};
const ExpectedBox rightAnswer{expected::rightAnswer, expected::rightAnswerCaption, BoxIcon::none};
const ExpectedBox tryAgain{expected::tryAgain, expected::wrongAnswerCaption, BoxIcon::none};

std::string RevealText(const PracticeEntry& entry) {
    return expected::revealPrefix + entry.code + "\r\n" + entry.reason;
}

// Types an answer, presses 确定 and expects these boxes, an emptied answer box
// and the character `shownAfter` (an index into the material).
void Answer(PracticeView& practice, const char* answer, const std::vector<ExpectedBox>& boxes,
            int shownAfter) {
    practice.type(answer);
    ExpectBoxes(answer, practice.press(IDOK), boxes, practice.dialog());
    ExpectText("answer box after the verdict", practice.answer(), "");
    ExpectNumber("character shown", practice.shownCharacter(characters), shownAfter);
}

void Move(PracticeView& practice, int button, const std::vector<ExpectedBox>& boxes,
          int shownAfter) {
    ExpectBoxes(button == expected::nextButton ? "下一个" : "上一个", practice.press(button), boxes,
                practice.dialog());
    ExpectNumber("character shown", practice.shownCharacter(characters), shownAfter);
}

void CheckEmptyTable(const Session& session) {
    Program program;
    PracticeView practice(program);
    {
        Case check("practice before any file: opens with no character drawn and the focus in "
                   "the answer box");
        if (!Expect(program.start(session.exePath.c_str()), "the main window does not appear") ||
            !practice.open())
            return;
        Expect(GetWindow(practice.dialog(), GW_OWNER) == program.mainWindow(),
               "the practice dialog is not owned by the main window");
        // The template puts its client area at (0, 0) of the owner's.
        POINT origin{0, 0}, dialogOrigin{0, 0};
        ClientToScreen(program.mainWindow(), &origin);
        ClientToScreen(practice.dialog(), &dialogOrigin);
        Expect(dialogOrigin.x == origin.x && dialogOrigin.y == origin.y,
               "the dialog's client area is at %ld,%ld, the main window's at %ld,%ld",
               dialogOrigin.x, dialogOrigin.y, origin.x, origin.y);
        ExpectText("buttons", ChildTexts(practice.dialog(), "Button"),
                   "1:确定|2:关闭|1002:上一个(&P)|1001:下一个(&N)");
        ExpectNumber("character shown", practice.shownCharacter(characters), noCharacter);
        Expect(practice.focus() == practice.answerBox(), "the focus is on %p, not the answer box",
               static_cast<void*>(practice.focus()));
    }
    {
        Case check("practice before any file: 确定, 上一个 and 下一个 each give the empty-table "
                   "notice; the typed answer stays");
        if (!practice.isOpen())
            return;
        practice.type("abc");
        for (int button : {IDOK, expected::previousButton, expected::nextButton})
            ExpectBoxes("empty table", practice.press(button), {emptyTable}, practice.dialog());
        ExpectText("answer box", practice.answer(), "abc");
    }
    {
        Case check("practice dialog: Esc closes it");
        if (!practice.isOpen())
            return;
        BringToFront(practice.dialog());
        PressKey(VK_ESCAPE);
        Expect(WaitForWindowGone(practice.dialog(), dialogTimeout), "the dialog stays open");
    }
}

void CheckVerdicts(PracticeView& practice) {
    {
        Case check("drill: the first character is drawn; a right answer typed in upper case "
                   "gets 回答正确！ and the next character");
        if (!practice.open())
            return;
        ExpectNumber("character shown", practice.shownCharacter(characters), 0);
        Answer(practice, "AAAA", {rightAnswer}, 1);
    }
    {
        Case check("drill: two wrong answers get 回答不正确，请再试。, the third reveals code and "
                   "reason, then the next character");
        Answer(practice, "bnhx", {tryAgain}, 1);
        Answer(practice, " bnh", {tryAgain}, 1);
        std::string reveal = RevealText(material[1]);
        Answer(practice, "", {{reveal.c_str(), expected::wrongAnswerCaption, BoxIcon::none}}, 2);
    }
}

void CheckMoves(PracticeView& practice) {
    Case check("drill: 下一个 and 上一个 step one character; past either end a notice, and the "
               "character stays");
    Move(practice, expected::nextButton, {lastEntry}, 2);
    Move(practice, expected::previousButton, {}, 1);
    Move(practice, expected::previousButton, {}, 0);
    Move(practice, expected::previousButton, {firstEntry}, 0);
    Move(practice, expected::nextButton, {}, 1);
    Move(practice, expected::nextButton, {}, 2);
}

void CheckLastEntryByEnter(PracticeView& practice) {
    Case check("drill: Enter in the answer box checks like 确定; right on the last entry gives "
               "回答正确！, then the last-entry notice, and the last character stays");
    practice.type("NYWY");
    ExpectBoxes("Enter", practice.pressEnter(), {rightAnswer, lastEntry}, practice.dialog());
    ExpectText("answer box after the verdict", practice.answer(), "");
    ExpectNumber("character shown", practice.shownCharacter(characters), 2);
    Expect(practice.focus() == practice.answerBox(), "the focus left the answer box");
}

void CheckCountKept(PracticeView& practice) {
    Case check("drill: the wrong-answer count survives closing the dialog by its close box and "
               "reopening it");
    Answer(practice, "x", {tryAgain}, 2);
    // Closed by its close box this time.
    if (!Expect(ClickCloseBox(practice.dialog()), "the practice dialog has no close box") ||
        !Expect(WaitForWindowGone(practice.dialog(), dialogTimeout), "the dialog stays open") ||
        !practice.open())
        return;
    ExpectNumber("character shown after reopening", practice.shownCharacter(characters), 2);
    Answer(practice, "x", {tryAgain}, 2);
    std::string reveal = RevealText(material[2]);
    Answer(practice, "x",
           {{reveal.c_str(), expected::wrongAnswerCaption, BoxIcon::none}, lastEntry}, 2);
}

void CheckCountResetByLoad(const Program& program, PracticeView& practice,
                           const std::string& path) {
    Case check("drill: loading a file starts the new material with fresh tries");
    Answer(practice, "x", {tryAgain}, 2);
    Answer(practice, "x", {tryAgain}, 2);
    if (!practice.close() || !LoadFile(program, path) || !practice.open())
        return;
    ExpectNumber("character shown after loading", practice.shownCharacter(characters), 0);
    Answer(practice, "x", {tryAgain}, 0);
    practice.close();
}

void CheckDrill(const Session& session) {
    WorkFolder folder;
    std::string path = folder.write("material.txt", material);
    Program program;
    if (!Expect(!path.empty(), "cannot write the practice file") ||
        !Expect(program.start(session.exePath.c_str()), "the main window does not appear") ||
        !Expect(LoadFile(program, path), "cannot load the practice file"))
        return;
    PracticeView practice(program);
    CheckVerdicts(practice);
    if (!practice.isOpen())
        return;
    CheckMoves(practice);
    CheckLastEntryByEnter(practice);
    CheckCountKept(practice);
    CheckCountResetByLoad(program, practice, path);
}

} // namespace

void RunPracticeCases(const Session& session) {
    CheckEmptyTable(session);
    CheckDrill(session);
}
