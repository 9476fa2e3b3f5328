#include "app/fonts.h"

#include "app/app_state.h"

namespace {

constexpr int charPoints = 36;
constexpr int answerPoints = 9;
constexpr int textPoints = 12;
constexpr int pointsPerInch = 72;

// Everything but the height and the face is left to the font mapper.
HFONT CreateFontOfFace(HDC hdc, int points, const char* face) {
    return CreateFontA(-PointsToPixels(hdc, points), 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0,
                       0, face);
}

void DeleteFontOnce(HFONT& font) {
    if (font != nullptr)
        DeleteObject(font);
    font = nullptr;
}

} // namespace

int PointsToPixels(HDC hdc, int points) {
    return MulDiv(points, GetDeviceCaps(hdc, LOGPIXELSY), pointsPerInch);
}

HFONT CreateSimSunFont(HDC hdc, int points) {
    return CreateFontOfFace(hdc, points, "SimSun");
}

HFONT CreateShellDlgFont(HDC hdc, int points) {
    return CreateFontOfFace(hdc, points, "MS Shell Dlg");
}

bool CreateFontSet(HDC hdc) {
    charFont = CreateSimSunFont(hdc, charPoints);
    answerFont = CreateShellDlgFont(hdc, answerPoints);
    textFont = CreateSimSunFont(hdc, textPoints);
    return charFont != nullptr && answerFont != nullptr && textFont != nullptr;
}

void DeleteFontSet() {
    DeleteFontOnce(charFont);
    DeleteFontOnce(answerFont);
    DeleteFontOnce(textFont);
}
