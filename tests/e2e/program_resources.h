// The program's resources read from its .exe file: another process's live menu
// cannot be read, but the menu it was loaded from can.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct MenuLine {
    int depth; // 0 for the pop-ups of the menu bar
    std::string text;
    UINT id; // 0xFFFFFFFF for a pop-up
    bool enabled;
};

struct Accelerator {
    BYTE flags;
    WORD key;
    WORD command;
};

class ProgramResources {
  public:
    explicit ProgramResources(const char* exePath);
    ~ProgramResources();
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;

    bool loaded() const { return module_ != nullptr; }
    // Every item of the menu, depth first, in order.
    std::vector<MenuLine> menu(int id) const;
    std::vector<Accelerator> accelerators(int id) const;
    std::string string(int id) const;

  private:
    HMODULE module_;
};
