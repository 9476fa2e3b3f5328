// The program's three fonts (app_state.h), sized in points for the screen
// they are made for.
#pragma once

#include <windows.h>

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
