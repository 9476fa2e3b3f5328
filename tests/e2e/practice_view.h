// The practice dialog as the user works it: type into the answer box, press a
// button or Enter, read every message box that follows, see the character.
#pragma once

#include "tests/e2e/message_box.h"
#include "tests/e2e/program.h"
#include "tests/e2e/screen.h"

#include <string>
#include <vector>

// What shownCharacter() reports besides an index into its candidates.
constexpr int noCharacter = -1;
constexpr int unknownPicture = -2;

class PracticeView {
  public:
    explicit PracticeView(const Program& program) : program_(program) {}

    // Opens the dialog by its menu command and finds its answer box.
    bool open();
    // Closes it with its "关闭" button.
    bool close();
    bool isOpen() const { return dialog_ && IsWindow(dialog_); }

    HWND dialog() const { return dialog_; }
    HWND answerBox() const { return answerBox_; }
    // The window that has the keyboard focus in the program's thread.
    HWND focus() const;

    bool type(const std::string& answer);
    std::string answer() const;

    // Presses a button and returns the message boxes that came up because of
    // it, in order, each one read and then closed with its OK button, once the
    // program is back at rest in the dialog.
    std::vector<BoxView> press(int controlId);
    // The Enter key typed into the answer box.
    std::vector<BoxView> pressEnter();

    // Which of `characters` the dialog shows, or noCharacter / unknownPicture.
    int shownCharacter(const std::vector<std::string>& characters);

  private:
    std::vector<BoxView> collectBoxes(bool markerPosted);
    bool setMarker(bool value) const;
    bool markerSet() const;

    const Program& program_;
    HWND dialog_ = nullptr;
    HWND answerBox_ = nullptr;
};
