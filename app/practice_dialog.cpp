#include "app/practice_dialog.h"

#include "app/app_state.h"
#include "app/fonts.h"
#include "app/gdi_guards.h"
#include "app/message_box.h"
#include "core/drill.h"
#include "res/resource.h"

namespace {

// Replaced at every opening; afterwards the box is reached by CTL_ANSWER.
HWND answerBox = nullptr;

constexpr int leftMarginPoints = 6;
constexpr int answerBoxChars = 4;
constexpr DWORD answerBoxStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr INT_PTR closedResult = 2;

// The four operations the drill needs, over the dialog's HWND.
class PracticeWindow final : public DrillWindow {
  public:
    explicit PracticeWindow(HWND dialog) : dialog_(dialog) {}

    void showMessage(const char* text, const char* caption, MessageStyle style) override {
        ShowMessage(dialog_, text, caption, style);
    }
    void readAnswer(char (&answer)[answerBufferSize]) override {
        SendDlgItemMessageA(dialog_, CTL_ANSWER, WM_GETTEXT, answerBufferSize,
                            reinterpret_cast<LPARAM>(answer));
    }
    void clearAnswer() override {
        SendDlgItemMessageA(dialog_, CTL_ANSWER, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    }
    void repaint() override { InvalidateRect(dialog_, nullptr, TRUE); }

  private:
    HWND dialog_;
};

HWND CreateAnswerBoxBelowChar(HWND dialog) {
    WindowDC dc(dialog);
    int y = 0;
    CharLineHeight(dc.get(), charFont, y);
    return CreateAnswerBox(dialog, dc.get(), y);
}

INT_PTR OnInitDialog(HWND dialog, WPARAM proposedFocus) {
    answerBox = CreateAnswerBoxBelowChar(dialog);
    if (reinterpret_cast<HWND>(proposedFocus) == answerBox)
        return TRUE;
    SetFocus(answerBox);
    return FALSE;
}

// Two bytes of the current character, black on a white cell, at the top left.
INT_PTR OnPaint(HWND dialog) {
    PaintDC dc(dialog);
    FontSelection font(dc.get(), charFont);
    if (current != charTable.end())
        TextOutA(dc.get(), PointsToPixels(dc.get(), leftMarginPoints), 0, current->entry.character,
                 2);
    return FALSE;
}

INT_PTR OnCommand(HWND dialog, WPARAM wParam) {
    PracticeWindow window(dialog);
    switch (LOWORD(wParam)) {
    case IDOK: CheckAnswer(window); return FALSE;
    case IDCANCEL: EndDialog(dialog, closedResult); return TRUE;
    case CTL_NEXT: NextChar(window); return FALSE;
    case CTL_PREV: PrevChar(window); return FALSE;
    default: return FALSE;
    }
}

} // namespace

void RunPracticeDialog(HWND owner) {
    DialogBoxParamA(appInstance, MAKEINTRESOURCEA(DLG_PRACTICE), owner, PracticeDlgProc, 0);
}

INT_PTR CALLBACK PracticeDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog, wParam);
    case WM_PAINT: return OnPaint(dialog);
    case WM_COMMAND: return OnCommand(dialog, wParam);
    default: return FALSE;
    }
}

void CharLineHeight(HDC hdc, HFONT font, int& y) {
    TEXTMETRICA metrics = {};
    {
        FontSelection selection(hdc, font);
        GetTextMetricsA(hdc, &metrics);
    }
    y = metrics.tmHeight + metrics.tmExternalLeading + 2;
}

HWND CreateAnswerBox(HWND dialog, HDC hdc, int y) {
    TEXTMETRICA metrics = {};
    {
        FontSelection selection(hdc, answerFont);
        GetTextMetricsA(hdc, &metrics);
    }
    HWND box = CreateWindowExA(0, "edit", "", answerBoxStyle, PointsToPixels(hdc, leftMarginPoints),
                               y, answerBoxChars * metrics.tmMaxCharWidth + 2,
                               metrics.tmHeight + metrics.tmExternalLeading + 2, dialog,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(CTL_ANSWER)),
                               appInstance, nullptr);
    PostMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(answerFont), TRUE);
    return box;
}
