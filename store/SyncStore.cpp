#include "store/SyncStore.h"

#include <new>

namespace evenkeeper {

SyncOperation* SyncStore::first() {
    cursor_ = first_ ? first_->next : nullptr;
    return first_ ? &first_->operation : nullptr;
}

SyncOperation* SyncStore::next() {
    Node* node = cursor_;
    if (node) cursor_ = node->next;
    return node ? &node->operation : nullptr;
}

SyncStore::Node* SyncStore::nodeAt(int position) const {
    if (position < 0) return nullptr;
    Node* node = first_;
    for (; node && position > 0; --position) node = node->next;
    return node;
}

SyncOperation* SyncStore::at(int position) {
    Node* node = nodeAt(position);
    return node ? &node->operation : nullptr;
}

int SyncStore::positionOf(const SyncOperation* operation) const {
    int position = 0;
    for (Node* node = first_; node; node = node->next, ++position)
        if (&node->operation == operation) return position;
    return -1;
}

SyncStore::Node* SyncStore::newNode(const SyncOperation& fields) {
    if (count_ >= maxSyncOperations) return nullptr;
    Node* node = new (std::nothrow) Node{fields, nullptr, nullptr};
    if (node) ++count_;
    return node;
}

SyncOperation* SyncStore::addFront(const SyncOperation& fields) {
    Node* node = newNode(fields);
    if (!node) return nullptr;
    node->next = first_;
    if (first_) first_->previous = node;
    else last_ = node;
    first_ = node;
    return &node->operation;
}

SyncOperation* SyncStore::addBack(const SyncOperation& fields) {
    Node* node = newNode(fields);
    if (!node) return nullptr;
    node->previous = last_;
    if (last_) last_->next = node;
    else first_ = node;
    last_ = node;
    return &node->operation;
}

void SyncStore::removeAt(int position) {
    Node* node = nodeAt(position);
    if (!node) return;
    (node->previous ? node->previous->next : first_) = node->next;
    (node->next ? node->next->previous : last_) = node->previous;
    if (cursor_ == node) cursor_ = node->next;
    delete node;
    --count_;
}

void SyncStore::clear() {
    while (first_) {
        Node* next = first_->next;
        delete first_;
        first_ = next;
    }
    last_ = cursor_ = nullptr;
    count_ = 0;
}

}  // namespace evenkeeper
