// The program's three fonts made again in the driver with the same arguments,
// to measure what the program's windows should look like at this resolution.
#pragma once

#include <windows.h>

int ScreenDpi();
int PointsToPixels(int points);

class ReferenceFonts {
  public:
    ReferenceFonts();
    ~ReferenceFonts();
    ReferenceFonts(const ReferenceFonts&) = delete;
    ReferenceFonts& operator=(const ReferenceFonts&) = delete;

    HFONT charFont = nullptr;   // SimSun 36 points
    HFONT answerFont = nullptr; // MS Shell Dlg 9 points
    HFONT textFont = nullptr;   // SimSun 12 points
};

TEXTMETRICA MetricsOf(HFONT font);
// The height of a line of the font as the practice dialog counts it.
int LineHeight(HFONT font);
