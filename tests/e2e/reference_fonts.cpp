#include "tests/e2e/reference_fonts.h"

namespace {

HFONT CreateProgramFont(int points, const char* face) {
    return CreateFontA(-PointsToPixels(points), 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                       face);
}

} // namespace

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int PointsToPixels(int points) {
    return MulDiv(points, ScreenDpi(), 72);
}

ReferenceFonts::ReferenceFonts()
    : charFont(CreateProgramFont(36, "SimSun")), answerFont(CreateProgramFont(9, "MS Shell Dlg")),
      textFont(CreateProgramFont(12, "SimSun")) {}

ReferenceFonts::~ReferenceFonts() {
    DeleteObject(charFont);
    DeleteObject(answerFont);
    DeleteObject(textFont);
}

TEXTMETRICA MetricsOf(HFONT font) {
    TEXTMETRICA metrics{};
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    GetTextMetricsA(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return metrics;
}

int LineHeight(HFONT font) {
    TEXTMETRICA metrics = MetricsOf(font);
    return metrics.tmHeight + metrics.tmExternalLeading + 2;
}
