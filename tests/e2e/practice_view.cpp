#include "tests/e2e/practice_view.h"

#include "tests/e2e/check.h"
#include "tests/e2e/expected_texts.h"
#include "tests/e2e/input.h"
#include "tests/e2e/program_windows.h"
#include "tests/e2e/reference_fonts.h"
#include "tests/e2e/windows_found.h"

#include <algorithm>

namespace {

constexpr std::size_t mostBoxesPerAction = 4;
// Below this share of equal pixels a picture is not taken for a character.
constexpr double sameCharacter = 0.995;

DWORD_PTR SendToWindow(HWND window, UINT message, WPARAM wParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, 0, SMTO_ABORTIFHUNG, 5000, &result);
    return result;
}

} // namespace

bool PracticeView::open() {
    PostCommand(program_.mainWindow(), expected::commandStartPractice);
    dialog_ = WaitForDialog(program_, expected::practiceCaption);
    answerBox_ = dialog_ ? FindDescendant(dialog_, expected::answerBoxId, "Edit") : nullptr;
    return Expect(dialog_ != nullptr, "the practice dialog does not open") &&
           Expect(answerBox_ != nullptr, "the practice dialog has no answer box (Edit %d)",
                  expected::answerBoxId);
}

bool PracticeView::close() {
    PostMessageA(dialog_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog_, IDCANCEL)));
    return Expect(WaitForWindowGone(dialog_, dialogTimeout), "the practice dialog stays open");
}

HWND PracticeView::focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(program_.threadId(), &info) ? info.hwndFocus : nullptr;
}

bool PracticeView::type(const std::string& answer) {
    return PutText(answerBox_, answer);
}

std::string PracticeView::answer() const {
    return TextOf(answerBox_);
}

// The marker is the answer box's modified flag: a posted EM_SETMODIFY is handled
// only after every message posted before it, inside whichever message loop
// runs then, a message box's included.
bool PracticeView::setMarker(bool value) const {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(answerBox_, EM_SETMODIFY, value, 0, SMTO_ABORTIFHUNG, 5000,
                               &ignored) != 0;
}

bool PracticeView::markerSet() const {
    return SendToWindow(answerBox_, EM_GETMODIFY, 0) != 0;
}

std::vector<BoxView> PracticeView::press(int controlId) {
    setMarker(false);
    PostMessageA(dialog_, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog_, controlId)));
    PostMessageA(answerBox_, EM_SETMODIFY, TRUE, 0);
    return collectBoxes(true);
}

std::vector<BoxView> PracticeView::pressEnter() {
    setMarker(false);
    BringToFront(dialog_);
    // Typed keys queue behind posted messages, so a marker cannot follow them;
    // a check always answers with a box, which is the sign it was handled.
    PressKey(VK_RETURN);
    return collectBoxes(false);
}

std::vector<BoxView> PracticeView::collectBoxes(bool markerPosted) {
    std::vector<BoxView> boxes;
    DWORD processId = program_.processId();
    while (boxes.size() < mostBoxesPerAction) {
        bool answered = WaitUntil(
            [&] {
                if (!OpenMessageBoxes(processId).empty())
                    return true;
                return markerPosted && markerSet() && OpenMessageBoxes(processId).empty();
            },
            boxTimeout);
        if (!Expect(answered, "the program does not come back to the practice dialog"))
            break;
        if (OpenMessageBoxes(processId).empty())
            break;
        BoxView box;
        WaitForMessageBox(processId, boxTimeout, box);
        boxes.push_back(box);
        // Close the box, and mark what comes after it.
        setMarker(false);
        PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box.window, IDOK)));
        PostMessageA(answerBox_, EM_SETMODIFY, TRUE, 0);
        markerPosted = true;
        if (!Expect(WaitForWindowGone(box.window, boxTimeout), "a message box does not close"))
            break;
    }
    return boxes;
}

int PracticeView::shownCharacter(const std::vector<std::string>& characters) {
    Image shot;
    if (!Expect(CaptureClient(dialog_, shot), "cannot read the practice dialog from the screen"))
        return unknownPicture;
    ReferenceFonts fonts;
    int left = PointsToPixels(6);
    TEXTMETRICA metrics = MetricsOf(fonts.charFont);
    // The character cell, with room to its right for a stray wider drawing,
    // up to the buttons.
    RECT button = WindowRectIn(GetDlgItem(dialog_, IDOK), dialog_);
    int width = std::min({shot.width, left + 2 * int(metrics.tmMaxCharWidth), int(button.left)});
    int height = std::min(shot.height, int(metrics.tmHeight));
    Image cell = Crop(shot, 0, 0, width, height);
    std::uint32_t face = shot.at(0, 0);

    // The cell behind the character is the paint DC's background colour: white
    // as the DC starts, or the face colour once the dialog's background erase
    // has set it (the system's default colour handling does that).
    int best = unknownPicture;
    double bestShare = sameCharacter;
    Image drawn;
    RenderText(fonts.charFont, "", 0, left, 0, width, height, face, face, drawn);
    if (SameShare(cell, drawn) >= bestShare) {
        best = noCharacter;
        bestShare = SameShare(cell, drawn);
    }
    for (std::size_t i = 0; i < characters.size(); ++i) {
        for (std::uint32_t behind : {white, face}) {
            RenderText(fonts.charFont, characters[i].c_str(), 2, left, 0, width, height, face,
                       behind, drawn);
            double share = SameShare(cell, drawn);
            if (share > bestShare) {
                best = int(i);
                bestShare = share;
            }
        }
    }
    if (best == unknownPicture)
        SaveBitmap(shot, "practice-dialog-unrecognised.bmp");
    return best;
}
