// The user's journeys through the real windows, one per capability. The drill's
// rules, notices and boundaries are proved on the core with the recorder.
#include "tests/e2e/driver.h"

namespace {

const std::vector<std::string> material = {"工", "aaaa", "工：键名字，连击四下。",
                                           "了", "bnh",  "了：乙、丨，末笔识别码。",
                                           "以", "nywy", "以：乙、丶、人，补末笔。"};

// 帮助 > 关于 (Alt+H, A), Alt+/ and Alt+? open the About box; Esc, Enter and its
// close box close it.
TEST(Shell, AboutBoxOpensByMenuAndAcceleratorsAndCloses) {
    Program program;
    ASSERT_TRUE(program.main);
    const std::vector<WORD> opening[] = {
        {VK_MENU, 'H'}, {VK_MENU, VK_OEM_2}, {VK_MENU, VK_SHIFT, VK_OEM_2}};
    const WORD closing[] = {VK_ESCAPE, VK_RETURN, 0};
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        EXPECT_TRUE(Press(program.main, opening[way]) && (way > 0 || Press(program.main, {'A'})));
        HWND about = AwaitDialog(program.id(), "关于Tarnvel");
        ASSERT_TRUE(about);
        EXPECT_EQ(GetWindow(about, GW_OWNER), program.main);
        EXPECT_FALSE(IsWindowEnabled(program.main));
        EXPECT_TRUE(closing[way] ? Press(about, {closing[way]}) : ClickCloseBox(about));
        EXPECT_TRUE(AwaitGone(about));
        EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(program.main) != FALSE; }));
    }
}

// 文件 > 退出 (Alt+F, X) and the main window's close box end the program with code 0.
TEST(Shell, MenuExitAndCloseBoxEndWithCodeZero) {
    for (bool byMenu : {true, false}) {
        Program program;
        ASSERT_TRUE(program.main);
        EXPECT_EQ(TextOf(program.main), "Tarnvel");
        EXPECT_TRUE(byMenu ? Press(program.main, {VK_MENU, 'F'}) && Press(program.main, {'X'})
                           : ClickCloseBox(program.main));
        DWORD code = STILL_ACTIVE;
        WaitForSingleObject(program.info.hProcess, patience);
        GetExitCodeProcess(program.info.hProcess, &code);
        EXPECT_EQ(code, 0u) << (byMenu ? "退出" : "the close box");
    }
}

// A name typed into the system's dialog is loaded; Cancel changes nothing; a
// file that cannot be opened is reported once, and the material stays.
TEST(OpenFile, TypedNameLoadsCancelKeepsUnreadableReportsOnce) {
    PracticeFile file("open.txt", material);
    Program program;
    ASSERT_TRUE(program.main);
    Press(program.main, {VK_MENU, 'X'}), Press(program.main, {'O'});
    HWND dialog = AwaitDialog(program.id(), "打开文件");
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), program.main);
    ASSERT_TRUE(Choose(dialog, file.path));
    Practice practice = Practice::Open(program);
    ASSERT_TRUE(practice.shows("工"));
    EXPECT_EQ(practice.click(CTL_NEXT), Boxes{});
    EXPECT_TRUE(practice.close());
    // No box is up, or the practice dialog would open over it.
    auto expectMaterialKept = [&](const char* after) {
        Practice practice = Practice::Open(program);
        EXPECT_EQ(practice.boxes(), Boxes{}) << after;
        ASSERT_TRUE(practice.shows("了")) << after;
        EXPECT_TRUE(practice.close());
    };

    Command(program.main, CMD_OPEN_FILE);
    dialog = AwaitDialog(program.id(), "打开文件");
    Command(dialog, IDCANCEL);
    EXPECT_TRUE(AwaitGone(dialog));
    expectMaterialKept("Cancel");
    HANDLE held = CreateFileA(file.path.c_str(), GENERIC_READ, 0, 0, OPEN_EXISTING, 0, 0);
    Command(program.main, CMD_OPEN_FILE);
    EXPECT_TRUE(Choose(AwaitDialog(program.id(), "打开文件"), file.path));
    EXPECT_EQ(NextBox(program.id()), Text("Tarnvel > 错误: 文件打开时发生错误！ (error icon)"));
    CloseHandle(held);
    expectMaterialKept("a file that cannot be opened");
}

// Opened by 练习 > 开始练习 (Alt+X, S): the layout, a right answer typed and sent
// with Enter, two wrong ones, the reveal, then 上一个 back past the first
// character and 下一个, each step with its boxes. Run at 96 and at 144 dpi.
TEST(Drill, LayoutRightWrongRevealPreviousNext) {
    const char* dpi = std::getenv("TARNVEL_DPI"); // set where the resolution was set
    ASSERT_NE(dpi, nullptr) << "run_at_dpi.sh sets the resolution and TARNVEL_DPI";
    EXPECT_EQ(Points(72), std::atoi(dpi));
    PracticeFile file("drill.txt", material);
    Program program;
    ASSERT_TRUE(program.main);
    Command(program.main, CMD_OPEN_FILE);
    ASSERT_TRUE(Choose(AwaitDialog(program.id(), "打开文件"), file.path));
    Press(program.main, {VK_MENU, 'X'}), Press(program.main, {'S'});
    Practice practice(program);
    EXPECT_EQ(GetWindow(practice.dialog, GW_OWNER), program.main);
    std::string buttons;
    for (int id : {IDOK, IDCANCEL, CTL_PREV, CTL_NEXT})
        buttons += TextOf(GetDlgItem(practice.dialog, id)) + " ";
    EXPECT_EQ(Text(buttons), Text("确定 关闭 上一个(&P) 下一个(&N) "));
    RECT box{}; // right under the character line, measured in the answer font
    GetWindowRect(practice.answer, &box);
    MapWindowPoints(nullptr, practice.dialog, reinterpret_cast<POINT*>(&box), 2);
    Font line(36, "SimSun"), answer(9, "MS Shell Dlg");
    EXPECT_EQ(box.left, Points(6));
    EXPECT_EQ(box.top, line.lineHeight());
    EXPECT_EQ(box.right - box.left, 4 * answer.metrics.tmMaxCharWidth + 2);
    EXPECT_EQ(box.bottom - box.top, answer.lineHeight());
    ASSERT_TRUE(practice.shows("工"));

    for (char key : std::string("AAAA\r")) // into the answer box, which has the focus
        Press(practice.dialog, {WORD(key)});
    EXPECT_EQ(NextBox(program.id()), Text("练习 > 回答正确: 回答正确！"));
    EXPECT_EQ(TextOf(practice.answer), "");
    ASSERT_TRUE(practice.shows("了"));
    for (const char* wrong : {"bnhx", ""}) {
        Send(practice.answer, WM_SETTEXT, 0, LPARAM(wrong));
        EXPECT_EQ(practice.click(IDOK), Boxes{"练习 > 回答错误: 回答不正确，请再试。"}) << wrong;
    }
    EXPECT_EQ(practice.click(IDOK),
              Boxes{"练习 > 回答错误: 正确答案是：bnh\r\n了：乙、丨，末笔识别码。"});
    ASSERT_TRUE(practice.shows("以"));

    for (const char* shown : {"了", "工"}) {
        EXPECT_EQ(practice.click(CTL_PREV), Boxes{});
        ASSERT_TRUE(practice.shows(shown));
    }
    EXPECT_EQ(practice.click(CTL_PREV),
              Boxes{"练习 > 已到最前: 已经到达第一个字了。 (information icon)"});
    EXPECT_EQ(practice.click(CTL_NEXT), Boxes{});
    ASSERT_TRUE(practice.shows("了"));
    EXPECT_TRUE(practice.close());
}

} // namespace
