#include "core/file_source.h"

#include <windows.h>

namespace {

HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

} // namespace

bool FileSource::open(const char* path) {
    close();
    // Other programs may go on reading and writing the file while it loads.
    HANDLE file =
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    handle_ = reinterpret_cast<std::intptr_t>(file);
    return true;
}

std::size_t FileSource::read(char* buffer, std::size_t size) {
    if (handle_ == -1)
        return 0;
    DWORD got = 0;
    DWORD wanted = size > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<DWORD>(size);
    if (!ReadFile(AsHandle(handle_), buffer, wanted, &got, nullptr))
        return 0;
    return got;
}

void FileSource::close() {
    if (handle_ != -1)
        CloseHandle(AsHandle(handle_));
    handle_ = -1;
}
