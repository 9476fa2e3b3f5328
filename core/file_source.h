// Read-only access to an existing file, shared with other programs that may
// read and write it meanwhile. One implementation per platform.
#pragma once

#include <cstddef>
#include <cstdint>

class FileSource {
  public:
    FileSource() = default;
    ~FileSource() { close(); }
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    // False when `path` names no readable file (a folder counts as none).
    bool open(const char* path);
    // Up to `size` bytes; 0 at the end of the file and after a read error.
    std::size_t read(char* buffer, std::size_t size);
    void close();

  private:
    // A file descriptor or a HANDLE; -1 is "none" on both platforms.
    std::intptr_t handle_ = -1;
};
