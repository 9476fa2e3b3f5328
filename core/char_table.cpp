#include "core/char_table.h"

#include <new>

// Nodes are handed out in order from blocks, so an entry costs no heap call of
// its own and the table lets go of all of them at once.
struct CharTable::Block {
    Block* next;
    CharNode nodes[nodesPerBlock];
};

CharTable::CharTable() : marker_{} {
    marker_.next = &marker_;
    marker_.previous = &marker_;
}

CharTable::~CharTable() {
    clear();
}

void CharTable::clear() {
    clearKeepingMemory();
    while (blocks_ != nullptr) {
        Block* block = blocks_;
        blocks_ = block->next;
        delete block;
    }
}

void CharTable::clearKeepingMemory() {
    marker_.next = &marker_;
    marker_.previous = &marker_;
    count_ = 0;
    filling_ = nullptr;
    unused_ = blockEnd_ = nullptr;
}

// The first node of the block after the one being filled: a block the table
// kept, else a new one. Null when no block can be had.
CharNode* CharTable::nodeFromNextBlock() {
    Block*& next = filling_ == nullptr ? blocks_ : filling_->next;
    if (next == nullptr) {
        next = new (std::nothrow) Block;
        if (next == nullptr)
            return nullptr;
        next->next = nullptr;
    }
    filling_ = next;
    unused_ = filling_->nodes + 1;
    blockEnd_ = filling_->nodes + nodesPerBlock;
    return filling_->nodes;
}

bool CharTable::append(const CharEntry& entry) {
    CharEntry* added = appendEntry();
    if (added == nullptr)
        return false;
    *added = entry;
    return true;
}
