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
    filling_ = nullptr;
}

void CharTable::clearKeepingMemory() {
    marker_.next = &marker_;
    marker_.previous = &marker_;
    count_ = 0;
    filling_ = blocks_;
    used_ = 0;
}

// The next unused node: from the block being filled, else from the next block
// the table kept, else from a new block. Null when no block can be had.
CharNode* CharTable::newNode() {
    if (filling_ == nullptr || used_ == nodesPerBlock) {
        Block*& next = filling_ == nullptr ? blocks_ : filling_->next;
        if (next == nullptr) {
            next = new (std::nothrow) Block;
            if (next == nullptr)
                return nullptr;
            next->next = nullptr;
        }
        filling_ = next;
        used_ = 0;
    }
    return &filling_->nodes[used_++];
}

bool CharTable::append(const CharEntry& entry) {
    CharNode* node = newNode();
    if (node == nullptr)
        return false;
    *node = CharNode{&marker_, marker_.previous, entry};
    marker_.previous->next = node;
    marker_.previous = node;
    ++count_;
    return true;
}
