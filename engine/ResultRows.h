#pragma once
#include "engine/FileEntry.h"

namespace evenkeeper {

// The rows of the result list; each row refers to one FileEntry of a scanner's table.
class ResultRows {
public:
    virtual ~ResultRows() = default;
    virtual void clearRows() = 0;
    virtual void appendRow(FileEntry& entry, int image) = 0;
    // The row after row (-1 for the first), or -1 when there is none.
    virtual int nextRow(int row) = 0;
    virtual FileEntry* entryAt(int row) = 0;
    virtual void deleteRow(int row) = 0;
};

}  // namespace evenkeeper
