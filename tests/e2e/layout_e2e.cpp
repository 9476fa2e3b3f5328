// Layout by the screen's resolution: the answer box placed and sized from the
// program's fonts, the character and the welcome text drawn in them. The test
// registration runs this suite at 96 and at 144 pixels per logical inch.
#include "tests/e2e/check.h"
#include "tests/e2e/practice_files.h"
#include "tests/e2e/practice_view.h"
#include "tests/e2e/program_windows.h"
#include "tests/e2e/reference_fonts.h"
#include "tests/e2e/screen.h"
#include "tests/e2e/suites.h"
#include "tests/e2e/windows_found.h"

#include <string>

namespace {

// The edit control takes WS_BORDER out of its style and draws the border itself.
constexpr DWORD answerBoxStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
const std::vector<PracticeEntry> material = {{"字", "pbf", "字：宀、子。"}};

void CheckAnswerBox(const PracticeView& practice) {
    ReferenceFonts fonts;
    TEXTMETRICA answerMetrics = MetricsOf(fonts.answerFont);
    RECT box = WindowRectIn(practice.answerBox(), practice.dialog());
    ExpectNumber("answer box left", box.left, PointsToPixels(6));
    ExpectNumber("answer box top", box.top, LineHeight(fonts.charFont));
    ExpectNumber("answer box width", box.right - box.left, 4 * answerMetrics.tmMaxCharWidth + 2);
    ExpectNumber("answer box height", box.bottom - box.top, LineHeight(fonts.answerFont));
    LONG style = GetWindowLongA(practice.answerBox(), GWL_STYLE);
    Expect((style & answerBoxStyle) == answerBoxStyle && !(style & (ES_MULTILINE | ES_PASSWORD)),
           "answer box style %08lx", style);
    Expect(GetWindow(practice.answerBox(), GW_HWNDNEXT) == nullptr,
           "the answer box is not last in the tab order");
    Image shot;
    if (Expect(CaptureClient(practice.dialog(), shot), "cannot read the dialog from the screen") &&
        box.right < shot.width && box.bottom < shot.height) {
        std::uint32_t face = shot.at(0, shot.height - 1);
        int middle = (box.top + box.bottom) / 2;
        Expect(shot.at(box.left, middle) != face && shot.at(box.right - 1, middle) != face,
               "the answer box has no border");
    }
}

} // namespace

void RunLayoutCases(const Session& session) {
    std::string dpi = std::to_string(ScreenDpi());
    if (session.dpi) {
        Case check(
            ("layout: the screen has " + std::to_string(session.dpi) + " pixels per logical inch")
                .c_str());
        ExpectNumber("pixels per logical inch", ScreenDpi(), session.dpi);
    }
    WorkFolder folder;
    std::string path = folder.write("layout.txt", material);
    Program program;
    PracticeView practice(program);
    {
        Case check(("layout at " + dpi +
                    " dpi: the answer box 6 points from the left, one character line down, "
                    "4 widest answer-font characters wide, one answer-font line high")
                       .c_str());
        if (!Expect(!path.empty(), "cannot write the practice file") ||
            !Expect(program.start(session.exePath.c_str()), "the main window does not appear") ||
            !Expect(LoadFile(program, path), "cannot load the practice file") || !practice.open())
            return;
        CheckAnswerBox(practice);
    }
    {
        Case check(("layout at " + dpi +
                    " dpi: the character drawn in the 36-point font, 6 points from the left")
                       .c_str());
        ExpectNumber("character shown", practice.shownCharacter({material[0].character}), 0);
        practice.close();
    }
    {
        Case check(
            ("layout at " + dpi + " dpi: the welcome text in the 12-point font, centred").c_str());
        CheckWelcomeCentred(program.mainWindow(), 900, 640);
    }
}
