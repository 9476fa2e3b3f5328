#include "core/char_table.h"

#include <new>

CharTable::CharTable() : marker_{} {
    marker_.next = &marker_;
    marker_.previous = &marker_;
}

CharTable::~CharTable() {
    clear();
}

void CharTable::clear() {
    while (marker_.next != &marker_) {
        CharNode* node = marker_.next;
        marker_.next = node->next;
        node->next->previous = &marker_;
        delete node;
        --count_;
    }
}

bool CharTable::append(const CharEntry& entry) {
    CharNode* node = new (std::nothrow) CharNode{&marker_, marker_.previous, entry};
    if (node == nullptr)
        return false;
    marker_.previous->next = node;
    marker_.previous = node;
    ++count_;
    return true;
}
