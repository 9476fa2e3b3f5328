// What the drill logic needs of the window it runs in. The practice dialog
// implements it over its HWND; tests implement it with a recorder.
#pragma once

#include <cstddef>

// Message-box styles, with the values the system gives them.
enum MessageStyle : unsigned {
    plainBox = 0x00,       // answer verdicts
    errorBox = 0x10,       // failures
    informationBox = 0x40, // notices about the position in the material
};

// The answer box keeps at most this many bytes of text and a NUL for judging.
constexpr std::size_t answerBufferSize = 20;

class DrillWindow {
  public:
    // A modal message box owned by the window; returns when it is dismissed.
    virtual void showMessage(const char* text, const char* caption, MessageStyle style) = 0;
    // At most answerBufferSize - 1 bytes of the answer box's text, NUL-terminated.
    virtual void readAnswer(char (&answer)[answerBufferSize]) = 0;
    virtual void clearAnswer() = 0;
    // Invalidates the whole client area, with erase, so the character is redrawn.
    virtual void repaint() = 0;

  protected:
    ~DrillWindow() = default;
};
