#pragma once
#include <string>

#include "engine/FileEntry.h"

namespace evenkeeper {

// What the result list asks of the main dialog: the texts it shows on demand and the
// opening of a file on a double-click.
class ResultListOwner {
public:
    virtual ~ResultListOwner() = default;
    virtual std::string columnText(const FileEntry& entry, int column) = 0;
    virtual void openSelectedFile() = 0;
};

}  // namespace evenkeeper
