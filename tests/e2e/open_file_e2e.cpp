// The open-file command: choosing, cancelling, a file that cannot be opened,
// a file too short to hold an entry.
#include "tests/e2e/check.h"
#include "tests/e2e/expected_texts.h"
#include "tests/e2e/practice_files.h"
#include "tests/e2e/practice_view.h"
#include "tests/e2e/program_windows.h"
#include "tests/e2e/suites.h"
#include "tests/e2e/windows_found.h"

namespace {

const std::vector<PracticeEntry> material = {
    {"工", "aaaa", "工：键名字，连击四下。"},
    {"了", "bnh", "了：乙、丨，末笔识别码。"},
};
const std::vector<std::string> characters = {"工", "了", "以"};

// The file-type list of the open-file dialog.
constexpr int fileTypeListId = 1136;

// Opens the practice dialog, which also shows that the main window came back
// to its own loop: a message box still open would have opened first.
bool OpenAndExpectNoBox(const Program& program, PracticeView& practice) {
    return practice.open() && Expect(OpenMessageBoxes(program.processId()).empty(),
                                     "an unexpected message box is open");
}

void CheckChooseAndCancel(const Program& program, const std::string& path) {
    PracticeView practice(program);
    {
        Case check("open file: dialog 打开文件 for *.txt owned by the main window; a typed path "
                   "and OK load the file");
        HWND dialog = OpenFileDialog(program);
        if (!Expect(dialog != nullptr, "no open-file dialog"))
            return;
        Expect(GetWindow(dialog, GW_OWNER) == program.mainWindow(),
               "the open-file dialog is not owned by the main window");
        HWND types = FindDescendant(dialog, fileTypeListId, "ComboBox");
        Expect(types && TextOf(types).find("文本文件") != std::string::npos,
               "the file-type list shows \"%s\", not the text files",
               Readable(TextOf(types)).c_str());
        if (!ChooseFile(dialog, path) || !OpenAndExpectNoBox(program, practice))
            return;
        ExpectNumber("character shown (index)", practice.shownCharacter(characters), 0);
        Expect(practice.press(expected::nextButton).empty(), "下一个 shows a box");
        ExpectNumber("character after 下一个", practice.shownCharacter(characters), 1);
        practice.close();
    }
    {
        Case check("open file: Cancel changes nothing, the material and its cursor stay");
        HWND dialog = OpenFileDialog(program);
        if (!Expect(dialog != nullptr, "no open-file dialog") || !CancelFileDialog(dialog) ||
            !OpenAndExpectNoBox(program, practice))
            return;
        ExpectNumber("character shown", practice.shownCharacter(characters), 1);
        practice.close();
    }
}

void CheckUnopenable(const Program& program, const std::string& held) {
    Case check("open file: a file held by another process gives 文件打开时发生错误！ once, with "
               "the error icon; the material and its cursor stay");
    ExclusiveHold hold(held);
    if (!Expect(hold.held(), "the driver cannot hold %s", held.c_str()))
        return;
    HWND dialog = OpenFileDialog(program);
    if (!Expect(dialog != nullptr, "no open-file dialog") || !ChooseFile(dialog, held))
        return;
    ExpectMessageBox(program.processId(), "unopenable file",
                     {expected::openFailed, expected::errorCaption, BoxIcon::error},
                     program.mainWindow());
    PracticeView practice(program);
    if (!OpenAndExpectNoBox(program, practice))
        return;
    ExpectNumber("character shown", practice.shownCharacter(characters), 1);
    practice.close();
}

void CheckTooShort(const Program& program, const std::string& shortPath) {
    Case check("open file: a file of two lines loads silently and leaves the table empty");
    PracticeView practice(program);
    if (!LoadFile(program, shortPath) || !OpenAndExpectNoBox(program, practice))
        return;
    ExpectNumber("character shown", practice.shownCharacter(characters), noCharacter);
    ExpectBoxes("确定 after the short file", practice.press(IDOK),
                {{expected::emptyTable, expected::emptyTableCaption, BoxIcon::information}},
                practice.dialog());
    practice.close();
}

} // namespace

void RunOpenFileCases(const Session& session) {
    WorkFolder folder;
    std::string path = folder.write("material.txt", material);
    std::string held = folder.write("held.txt", material);
    std::string shortPath = folder.write("short.txt", "工\r\naaaa\r\n");
    Program program;
    if (!Expect(!path.empty() && !held.empty() && !shortPath.empty(),
                "cannot write practice files") ||
        !Expect(program.start(session.exePath.c_str()), "the main window does not appear"))
        return;
    CheckChooseAndCancel(program, path);
    CheckUnopenable(program, held);
    CheckTooShort(program, shortPath);
}
