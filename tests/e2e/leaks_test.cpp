// Windows opened and closed many times must give back what they take. Wine's
// GetGuiResources reports nothing, so the GDI count comes from its gdi trace,
// which numbers the live handles at every change; the program writes it to the
// stderr it inherits, which tools/leak_check.sh sends to gdiLog.
#include "tests/e2e/driver.h"

namespace {

// A handler that leaks loses at least one object a round, `rounds` in all; the
// system's own caches grow by a few objects in all, mostly while warming up.
constexpr long warmUp = 30, rounds = 60;

// The count on the trace's last line, which is the running program's.
long GdiObjects() {
    long count = -1;
    std::ifstream log(gdiLog);
    for (std::string line; std::getline(log, line);) {
        std::size_t slash = line.find("/65536");
        if (slash != std::string::npos && line.find("_gdi_handle ") != std::string::npos)
            count = std::atol(line.c_str() + line.find_last_of(' ', slash) + 1);
    }
    return count;
}

// Top-level windows of the program, and the main window's children.
long Windows(const Program& program) {
    long count = long(WindowsOf(program.id()).size());
    for (HWND child = nullptr; (child = FindWindowExA(program.main, child, nullptr, nullptr));)
        ++count;
    return count;
}

void ExpectNoLeak(const std::function<bool(const Program&)>& round) {
    if (gdiLog.empty())
        GTEST_SKIP() << "no --gdi-log: run through tools/leak_check.sh";
    SetEnvironmentVariableA("WINEDEBUG", "+gdi"); // Wine hands it on to the program
    Program program;
    ASSERT_TRUE(program.main);
    for (long i = 0; i < warmUp; ++i)
        ASSERT_TRUE(round(program)) << "warm-up round " << i;
    long gdi = GdiObjects(), windows = Windows(program);
    for (long i = 0; i < rounds; ++i)
        ASSERT_TRUE(round(program)) << "round " << i;
    std::printf("%ld rounds: GDI objects %ld -> %ld, windows %ld -> %ld\n", rounds, gdi,
                GdiObjects(), windows, Windows(program));
    EXPECT_GT(gdi, 0) << "no GDI count in " << gdiLog;
    EXPECT_LT(GdiObjects() - gdi, rounds / 2);
    EXPECT_LT(Windows(program) - windows, rounds / 2);
}

// With nothing loaded, 下一个 brings up the empty-table notice: a box each round.
TEST(Leaks, PracticeDialogOpenedAndClosed) {
    ExpectNoLeak([](const Program& program) {
        Practice practice = Practice::Open(program);
        return practice.click(CTL_NEXT).size() == 1 && practice.close();
    });
}

TEST(Leaks, AboutBoxOpenedAndClosed) {
    ExpectNoLeak([](const Program& program) {
        Command(program.main, CMD_ABOUT);
        HWND about = AwaitDialog(program.id(), "关于Tarnvel");
        return Command(about, IDOK), AwaitGone(about);
    });
}

} // namespace
