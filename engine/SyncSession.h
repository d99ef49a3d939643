#pragma once
#include <cstdint>
#include <string>

#include "engine/SyncOperation.h"

namespace evenkeeper {

// State that the main dialog keeps and the engine reads and writes.
struct SyncSession {
    SyncOperation* currentOperation = nullptr;
    bool scanValid = false;        // the tables hold a scan of the current folders
    bool unsavedChanges = false;
    std::uint64_t topPlanBytes = 0;
    std::uint64_t bottomPlanBytes = 0;
    std::string logFilePath;       // the temporary folder's "EvenkeeperLog.txt"
};

}  // namespace evenkeeper
