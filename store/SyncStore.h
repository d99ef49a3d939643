#pragma once
// The sync operations in their order, positions counted from 0 at the front. The store owns
// its records; a record never moves while it is in the store, so the main dialog may keep a
// pointer to the current one.
#include "engine/SyncOperation.h"

namespace evenkeeper {

constexpr int maxSyncOperations = 26;  // the data file names them "a" to "z"

class SyncStore {
public:
    SyncStore() = default;
    ~SyncStore() { clear(); }
    SyncStore(const SyncStore&) = delete;
    SyncStore& operator=(const SyncStore&) = delete;

    int count() const { return count_; }
    // One cursor serves every iteration, so iterations do not nest.
    SyncOperation* first();
    SyncOperation* next();
    SyncOperation* at(int position);
    // The position of a record of this store, or -1.
    int positionOf(const SyncOperation* operation) const;

    // A new record with the given fields; null when the store is full or memory ran out.
    SyncOperation* addFront(const SyncOperation& fields);
    SyncOperation* addBack(const SyncOperation& fields);
    void removeAt(int position);
    void clear();

private:
    struct Node {
        SyncOperation operation;
        Node* previous;
        Node* next;
    };
    Node* nodeAt(int position) const;
    Node* newNode(const SyncOperation& fields);

    Node* first_ = nullptr;
    Node* last_ = nullptr;
    Node* cursor_ = nullptr;
    int count_ = 0;
};

}  // namespace evenkeeper
