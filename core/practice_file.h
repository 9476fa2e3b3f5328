// The practice-file format: text-mode reading, bounded line reads, the
// double-byte-aware field copy and the loader that fills the character table.
#pragma once

#include "core/char_table.h"
#include "core/code_page.h"
#include "core/file_source.h"

#include <cstddef>

// Each line read fills at most 79 bytes and a NUL.
constexpr std::size_t lineBufferSize = 80;
constexpr std::size_t characterWidth = sizeof(CharEntry::character);
constexpr std::size_t codeWidth = sizeof(CharEntry::code);
constexpr std::size_t reasonWidth = sizeof(CharEntry::reason);

// Reads a file the way a text-mode stream does (CR LF becomes LF, any other CR
// stays, Ctrl-Z ends the data) in bounded line reads: up to and including the
// next LF when it is among the first 79 bytes, else exactly 79 bytes.
class LineReader {
  public:
    explicit LineReader(FileSource& file) : file_(file) {}

    // False at the end of the data. `length` counts the bytes stored before the
    // NUL, which may include NUL bytes of the file itself.
    bool readLine(char (&line)[lineBufferSize], std::size_t& length);

  private:
    bool fill();
    int peekByte();

    FileSource& file_;
    char buffer_[32 * 1024];
    std::size_t position_ = 0;
    std::size_t size_ = 0;
    bool ended_ = false; // end of file, read error or Ctrl-Z
};

// Copies one line into a field of `width` bytes (one of the entry's field
// widths) without splitting a double-byte character, drops a final LF and
// NUL-fills the rest.
void CopyField(char* dest, const char* line, std::size_t width, const CodePage& codePage);

enum class LoadResult {
    loaded,      // the whole file was read
    notOpened,   // nothing changed
    outOfMemory, // the entries read before memory ran out are loaded
};

// Replaces the table's contents with the file's complete groups of three
// lines and puts `cursor` on the first entry. A file that cannot be opened
// changes nothing.
LoadResult LoadPracticeFile(const char* path, CharTable& table, CharNode*& cursor,
                            const CodePage& codePage);
