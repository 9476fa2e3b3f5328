// The program's three fonts, sized in points for the screen they are made for.
// The main window creates them in WM_CREATE and deletes them in WM_DESTROY;
// the practice dialog borrows charFont and answerFont.
#pragma once

#include <windows.h>

extern HFONT charFont;   // the drilled character, and the height of its line
extern HFONT answerFont; // the answer box
extern HFONT textFont;   // the welcome text

// Points to device pixels at the device's vertical resolution, rounded.
int PointsToPixels(HDC hdc, int points);

// A font of `points` character height (not cell height); null on failure.
HFONT CreateSimSunFont(HDC hdc, int points);
HFONT CreateShellDlgFont(HDC hdc, int points);

// Creates all three fonts, in the order charFont, answerFont, textFont, before
// testing any. True when all three exist.
bool CreateFontSet(HDC hdc);
// Deletes the fonts that exist and forgets them.
void DeleteFontSet();
