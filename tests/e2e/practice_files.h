// Practice files written by the driver into a folder of its own, and a way to
// keep one from being opened by anyone else.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct PracticeEntry {
    std::string character;
    std::string code;
    std::string reason;
};

// A fresh folder under the temporary folder, removed with its files at scope exit.
class WorkFolder {
  public:
    WorkFolder();
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    bool ready() const { return !path_.empty(); }
    // Writes the bytes as they are and returns the file's full path.
    std::string write(const char* name, const std::string& bytes);
    std::string write(const char* name, const std::vector<PracticeEntry>& entries);

  private:
    std::string path_;
    std::vector<std::string> files_;
};

// Holds a file open with no sharing, so that no other process can open it.
class ExclusiveHold {
  public:
    explicit ExclusiveHold(const std::string& path);
    ~ExclusiveHold();
    ExclusiveHold(const ExclusiveHold&) = delete;
    ExclusiveHold& operator=(const ExclusiveHold&) = delete;

    bool held() const { return file_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE file_;
};
