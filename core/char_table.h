// The drill material: a circular doubly linked list of entries with one end
// marker, walked by a cursor that designates an entry or the marker.
#pragma once

#include <cstddef>
#include <cstdint>

// One drill item. The widths are fixed by the practice-file format; every
// field is a NUL-terminated string in the active ANSI code page.
struct CharEntry {
    char character[3]; // one double-byte character and its NUL
    char code[5];      // the Wubi code: at most four letters
    char reason[80];   // shown with the code after the third wrong answer
};

struct CharNode {
    CharNode* next;
    CharNode* previous;
    CharEntry entry;
};

class CharTable {
  public:
    // The table takes its nodes from the heap this many at a time.
    static constexpr std::size_t nodesPerBlock = 512;

    CharTable();
    ~CharTable();
    CharTable(const CharTable&) = delete;
    CharTable& operator=(const CharTable&) = delete;

    // Releases every entry and the memory that held them; the end marker
    // stays. The caller re-seats `current`.
    void clear();
    // Releases every entry but keeps their memory for the entries appended
    // next. The caller re-seats `current`.
    void clearKeepingMemory();
    // Copies `entry` to a new node at the end. False, with the table unchanged,
    // when no memory can be had for the node.
    bool append(const CharEntry& entry);
    // Adds a node at the end and returns its entry for the caller to fill (its
    // bytes are indeterminate until then), so that the loader can copy fields
    // straight into it. Null, with the table unchanged, when no memory can be
    // had for the node. Inline: the loader calls it once an entry.
    CharEntry* appendEntry() {
        CharNode* node = unused_ != blockEnd_ ? unused_++ : nodeFromNextBlock();
        if (node == nullptr)
            return nullptr;
        node->next = &marker_;
        node->previous = marker_.previous;
        marker_.previous->next = node;
        marker_.previous = node;
        ++count_;
        return &node->entry;
    }

    CharNode* first() { return marker_.next; }
    CharNode* end() { return &marker_; }
    const CharNode* first() const { return marker_.next; }
    const CharNode* end() const { return &marker_; }
    static CharNode* next(CharNode* position) { return position->next; }
    static CharNode* previous(CharNode* position) { return position->previous; }
    std::uint32_t count() const { return count_; }

  private:
    struct Block;
    CharNode* nodeFromNextBlock();

    // Part of the table itself, so building an empty table cannot fail.
    CharNode marker_;
    std::uint32_t count_ = 0;
    // The blocks in the order they are filled, the one being filled (none
    // before the first node), and its nodes not yet in use.
    Block* blocks_ = nullptr;
    Block* filling_ = nullptr;
    CharNode* unused_ = nullptr;
    CharNode* blockEnd_ = nullptr;
};
