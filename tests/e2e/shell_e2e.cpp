// The main window, its menu and accelerators, the About box, and ending the
// program.
#include "tests/e2e/check.h"
#include "tests/e2e/expected_texts.h"
#include "tests/e2e/input.h"
#include "tests/e2e/program.h"
#include "tests/e2e/program_resources.h"
#include "tests/e2e/program_windows.h"
#include "tests/e2e/reference_fonts.h"
#include "tests/e2e/screen.h"
#include "tests/e2e/suites.h"
#include "tests/e2e/windows_found.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD exitTimeout = 10000;
constexpr char welcomeText[] =
    "欢迎使用Tarnvel。\r\n五笔字型是一个很受欢迎的输入法。\r\n"
    "要学习五笔字型，先阅读有关的书籍，\r\n学会基本的五笔打字方法。\r\n"
    "然后可以使用本程序来加强对字根的掌握。\r\n可以先阅读市场上流行的五笔字型学习书籍，\r\n"
    "也可以先阅读五笔字型输入法的帮助文件。\r\n凭我的经验，学习五笔的打字方法只要一会儿。\r\n"
    "学习五笔基本字根也只要一会儿。\r\n剩下的功夫就在练习使用五笔字型打字。\r\n"
    "在打字的时候可以自然而然地记住不熟悉的字根。\r\n在使用本程序的时候可以参照五笔字根表。\r\n"
    "本程序在您输入错误时提供两次重新输入的机会，\r\n"
    "当您输入第三次仍旧错误时给您正确答案并告诉您原因。\r\n"
    "等您把字根记熟了以后，您就可以开始正式用五笔字型了。\r\n"
    "在用的过程中您可以进一步增加实用的技巧。\r\n"
    "另外，推荐使用 98 版五笔字型，因为它科学！\r\n希望您可以天天向上！";

void CheckResources(const Session& session) {
    Case check(
        "resources: menu texts and ids, the two accelerators, title, class and welcome text");
    ProgramResources resources(session.exePath.c_str());
    if (!Expect(resources.loaded(), "cannot read the resources of %s", session.exePath.c_str()))
        return;
    constexpr UINT popup = 0xFFFFFFFF;
    const std::vector<MenuLine> expectedMenu = {
        {0, "文件(&F)", popup, true},
        {1, "退出(&X)", expected::commandExit, true},
        {0, "练习(&X)", popup, true},
        {1, "打开文件(&O)...", expected::commandOpenFile, true},
        {1, "开始练习(&S)", expected::commandStartPractice, true},
        {0, "帮助(&H)", popup, true},
        {1, "关于(&A)...", expected::commandAbout, true},
    };
    std::vector<MenuLine> menu = resources.menu(expected::mainMenu);
    ExpectNumber("number of menu items", long(menu.size()), long(expectedMenu.size()));
    for (std::size_t i = 0; i < menu.size() && i < expectedMenu.size(); ++i) {
        ExpectText("menu item text", menu[i].text, expectedMenu[i].text);
        ExpectNumber("menu item depth", menu[i].depth, expectedMenu[i].depth);
        ExpectNumber("menu item command", menu[i].id, expectedMenu[i].id);
        Expect(menu[i].enabled, "menu item %zu is not enabled", i);
    }

    std::vector<Accelerator> keys = resources.accelerators(expected::mainMenu);
    ExpectNumber("number of accelerators", long(keys.size()), 2);
    bool question = false, slash = false;
    for (const Accelerator& key : keys) {
        // A character code with Alt: no FVIRTKEY, so the layout's "?" and "/" count.
        ExpectNumber("accelerator flags", key.flags, FALT);
        ExpectNumber("accelerator command", key.command, expected::commandAbout);
        question |= key.key == '?';
        slash |= key.key == '/';
    }
    Expect(question && slash, "the accelerators are not Alt+? and Alt+/");

    ExpectText("title string", resources.string(expected::titleString), expected::title);
    ExpectText("class string", resources.string(expected::classString), mainClass);
    ExpectText("welcome string", resources.string(expected::welcomeString), welcomeText);
}

std::size_t DarkPixels(const Image& image) {
    std::size_t dark = 0;
    for (std::uint32_t pixel : image.pixels)
        dark += IsDark(pixel);
    return dark;
}

void CheckMainWindow(const Session& session) {
    Program program;
    {
        Case check("main window: class TARNVEL, caption Tarnvel, the menu bar, enabled");
        if (!Expect(program.start(session.exePath.c_str()), "the main window does not appear"))
            return;
        HWND window = program.mainWindow();
        ExpectText("class", ClassOf(window), mainClass);
        ExpectText("caption", TextOf(window), expected::title);
        Expect(GetMenu(window) != nullptr, "the main window has no menu");
        Expect(IsWindowEnabled(window), "the main window is disabled");
        LONG style = GetWindowLongA(window, GWL_STYLE);
        Expect((style & WS_OVERLAPPEDWINDOW) == WS_OVERLAPPEDWINDOW,
               "style %08lx is not an overlapped window", style);
    }
    {
        Case check("welcome text: the whole text centred, again after narrowing and widening");
        CheckWelcomeCentred(program.mainWindow(), 900, 560);
        CheckWelcomeCentred(program.mainWindow(), 560, 560);
        CheckWelcomeCentred(program.mainWindow(), 1000, 600);
    }
}

// Waits for the About box, checks that it is modal to the main window, closes
// it with `close` and checks that the main window is usable again.
template <typename Close> void CheckAboutBox(const Program& program, const char* how, Close close) {
    HWND main = program.mainWindow();
    HWND about = WaitForDialog(program, expected::aboutCaption);
    if (!Expect(about != nullptr, "no About box after %s", how))
        return;
    Expect(GetWindow(about, GW_OWNER) == main, "the About box is not owned by the main window");
    Expect(!IsWindowEnabled(main), "the main window stays enabled under the About box");
    ExpectText("About box buttons", ChildTexts(about, "Button"), "1:确定");
    std::string texts = ChildTexts(about, "Static");
    Expect(texts.find("Tarnvel 1.0 版") != std::string::npos, "the About box says \"%s\"",
           Readable(texts).c_str());
    close(about);
    Expect(WaitForWindowGone(about, dialogTimeout), "the About box does not close");
    Expect(WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }, dialogTimeout),
           "the main window stays disabled after the About box");
}

void CheckAbout(const Session& session) {
    Program program;
    if (!Expect(program.start(session.exePath.c_str()), "the main window does not appear"))
        return;
    HWND main = program.mainWindow();
    {
        Case check("About: menu 帮助(&H) > 关于(&A)... by keyboard opens it, Esc closes it");
        BringToFront(main);
        PressWithAlt('H');
        PressKey('A');
        CheckAboutBox(program, "Alt+H, A", [](HWND about) {
            BringToFront(about);
            PressKey(VK_ESCAPE);
        });
    }
    {
        Case check("About: Alt+/ typed in the main window opens it, Enter closes it");
        BringToFront(main);
        PressWithAlt(VK_OEM_2);
        CheckAboutBox(program, "Alt+/", [](HWND about) {
            BringToFront(about);
            PressKey(VK_RETURN);
        });
    }
    {
        Case check("About: Alt+? typed in the main window opens it, its close box closes it");
        BringToFront(main);
        PressWithAlt(VK_OEM_2, true);
        CheckAboutBox(program, "Alt+?", [](HWND about) {
            Expect(ClickCloseBox(about), "the About box has no close box");
        });
    }
}

void CheckEnding(const Session& session) {
    {
        Case check("退出(&X) from the menu by keyboard ends the program with exit code 0");
        Program program;
        if (!Expect(program.start(session.exePath.c_str()), "the main window does not appear"))
            return;
        BringToFront(program.mainWindow());
        PressWithAlt('F');
        PressKey('X');
        DWORD code = 0;
        if (Expect(program.waitForExit(exitTimeout, code), "the program does not end"))
            ExpectNumber("exit code", code, 0);
    }
    {
        Case check("the main window's close box ends the program with exit code 0");
        Program program;
        if (!Expect(program.start(session.exePath.c_str()), "the main window does not appear"))
            return;
        BringToFront(program.mainWindow());
        Expect(ClickCloseBox(program.mainWindow()), "the main window has no close box");
        DWORD code = 0;
        if (Expect(program.waitForExit(exitTimeout, code), "the program does not end"))
            ExpectNumber("exit code", code, 0);
    }
}

} // namespace

void CheckWelcomeCentred(HWND window, int width, int height) {
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    Ping(window);
    Image shot;
    if (!Expect(CaptureClient(window, shot), "cannot read the main window from the screen"))
        return;
    ReferenceFonts fonts;
    Image drawn;
    RenderParagraph(fonts.textFont, welcomeText, DT_CENTER, shot.width, shot.height, drawn);
    std::size_t wrong = DifferentPixels(shot, drawn);
    // A line off centre by one pixel already changes about as many pixels as
    // the text has; allow a little for smoothing differences.
    std::size_t allowed = DarkPixels(drawn) / 50;
    if (!Expect(wrong <= allowed,
                "%d wide: %zu pixels differ from the text drawn centred (%zu allowed); pictures "
                "kept as welcome-%d-*.bmp",
                width, wrong, allowed, width)) {
        SaveBitmap(shot, "welcome-" + std::to_string(width) + "-shown.bmp");
        SaveBitmap(drawn, "welcome-" + std::to_string(width) + "-expected.bmp");
    }
}

void RunShellCases(const Session& session) {
    CheckResources(session);
    CheckMainWindow(session);
    CheckAbout(session);
    CheckEnding(session);
}
