// Windows opened and closed many times must give back what they take. Wine's
// GetGuiResources reports nothing, so the GDI count comes from its gdi trace,
// which numbers the live handles at every change; the program writes it to the
// stderr it inherits, which tests/e2e/leak_check.sh sends to the file TARNVEL_GDI_LOG.
#include "tests/e2e/driver.h"

namespace {

// A handler that leaks loses at least one object a round, `rounds` in all; the
// system's own caches grow by a few objects in all, mostly while warming up.
constexpr long warmUp = 30, rounds = 60;

// The count on the trace's last line, which is the running program's.
long GdiObjects() {
    long count = -1;
    std::ifstream log(std::getenv("TARNVEL_GDI_LOG"));
    for (std::string line; std::getline(log, line);) {
        std::size_t slash = line.find("/65536");
        if (slash != std::string::npos && line.find("_gdi_handle ") != std::string::npos)
            count = std::atol(line.c_str() + line.find_last_of(' ', slash) + 1);
    }
    return count;
}

// Top-level windows of the program and the main window's children.
long Windows(const Program& program) {
    long count = long(WindowsOf(program.id()).size());
    for (HWND child = nullptr; (child = FindWindowExA(program.main, child, nullptr, nullptr));)
        ++count;
    return count;
}

// A round opens and closes the practice dialog, with the empty-table notice that
// 下一个 brings up while nothing is loaded, and the About box.
bool Round(const Program& program) {
    Practice practice = Practice::Open(program);
    bool closed = practice.click(CTL_NEXT).size() == 1 && practice.close();
    Command(program.main, CMD_ABOUT);
    HWND about = AwaitDialog(program.id(), "关于Tarnvel");
    return Command(about, IDOK), AwaitGone(about) && closed;
}

TEST(Leaks, PracticeDialogAndAboutBoxGiveBackWhatTheyTake) {
    if (!std::getenv("TARNVEL_GDI_LOG"))
        GTEST_SKIP() << "no TARNVEL_GDI_LOG: run through tests/e2e/leak_check.sh";
    SetEnvironmentVariableA("WINEDEBUG", "+gdi"); // Wine hands it on to the program
    Program program;
    ASSERT_TRUE(program.main);
    for (long i = 0; i < warmUp; ++i)
        ASSERT_TRUE(Round(program)) << "warm-up round " << i;
    long gdi = GdiObjects(), windows = Windows(program);
    for (long i = 0; i < rounds; ++i)
        ASSERT_TRUE(Round(program)) << "round " << i;
    EXPECT_GT(gdi, 0) << "no GDI count in the trace";
    EXPECT_LT(GdiObjects() - gdi, rounds / 2) << gdi << " GDI objects before";
    EXPECT_LT(Windows(program) - windows, rounds / 2) << windows << " windows before";
}

} // namespace
