// Scoped device contexts and font selections. Declare the DC guard first and
// the selection after it: the selection is then undone before the DC goes.
#pragma once

#include <windows.h>

// GetDC / ReleaseDC.
class WindowDC {
  public:
    explicit WindowDC(HWND window) : window_(window), hdc_(GetDC(window)) {}
    ~WindowDC() {
        if (hdc_ != nullptr)
            ReleaseDC(window_, hdc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return hdc_; }

  private:
    HWND window_;
    HDC hdc_;
};

// BeginPaint / EndPaint, for WM_PAINT handlers.
class PaintDC {
  public:
    explicit PaintDC(HWND window) : window_(window), hdc_(BeginPaint(window, &paint_)) {}
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC get() const { return hdc_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_;
    HDC hdc_;
};

// SelectObject of a font, and the previous font back at the end of the scope.
class FontSelection {
  public:
    FontSelection(HDC hdc, HFONT font) : hdc_(hdc), previous_(SelectObject(hdc, font)) {}
    ~FontSelection() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR)
            SelectObject(hdc_, previous_);
    }
    FontSelection(const FontSelection&) = delete;
    FontSelection& operator=(const FontSelection&) = delete;

  private:
    HDC hdc_;
    HGDIOBJ previous_;
};
