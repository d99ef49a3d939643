#pragma once
#include "engine/ResultRows.h"

namespace evenkeeper {

// The result list as the main dialog uses it: the engine's rows and the user's selection.
class ListRows : public ResultRows {
public:
    // The selected row, or -1 when none is.
    virtual int selectedRow() = 0;
};

}  // namespace evenkeeper
