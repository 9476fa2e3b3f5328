// Pixels read back from the screen, and pictures drawn the same way for
// comparison. Wine composes every window on the one screen, so reading the
// screen shows what the user sees.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 0x00RRGGBB, rows from the top

    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

constexpr std::uint32_t white = 0xFFFFFF;

bool CaptureScreen(const RECT& rect, Image& image);
// The client area as it is on the screen, once its pending paint is done and
// two reads in a row agree.
bool CaptureClient(HWND window, Image& image);

// The system icon drawn over a plain background, as a message box draws it.
void DrawSystemIcon(LPCSTR icon, int width, int height, std::uint32_t background, Image& image);
// A text drawn with TextOutA at (x, y), black on an opaque `cell` colour, over
// `background`.
void RenderText(HFONT font, const char* text, int length, int x, int y, int width, int height,
                std::uint32_t background, std::uint32_t cell, Image& image);

// Text drawn with DrawTextA into a white rectangle, black, as a window's
// default colours draw it.
void RenderParagraph(HFONT font, const char* text, UINT format, int width, int height,
                     Image& image);
// How many pixels differ between two images of the same size (all when the
// sizes differ).
std::size_t DifferentPixels(const Image& a, const Image& b);

// The share of pixels two images of the same size have in common (0 to 1).
double SameShare(const Image& a, const Image& b);
Image Crop(const Image& image, int x, int y, int width, int height);

bool IsDark(std::uint32_t pixel);
// Bounds of the dark pixels; false when there are none.
bool DarkBounds(const Image& image, RECT& bounds);

// Keeps a picture for a person to look at after a failure.
bool SaveBitmap(const Image& image, const std::string& path);
