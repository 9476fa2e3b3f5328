// Shared by the fuzz targets: a broken property ends the run (libFuzzer keeps
// the input that broke it), and a file in memory for code that opens a path.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

inline void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

// The in-memory file every run rewrites, and a path that opens it afresh, so
// the real open and read code runs.
struct MemoryFile {
    int fd = memfd_create("practice.txt", 0);
    char path[32] = {};
    MemoryFile() { std::snprintf(path, sizeof path, "/proc/self/fd/%d", fd); }
    void hold(const std::uint8_t* data, std::size_t size) const {
        Require(fd >= 0, "no memfd");
        Require(ftruncate(fd, 0) == 0, "cannot empty the memfd");
        Require(size == 0 || pwrite(fd, data, size, 0) == static_cast<ssize_t>(size),
                "cannot write the memfd");
    }
};
