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
    std::int32_t index = 0;        // position of currentOperation in the store
    std::string dataFilePath;      // the sync operations data file
    std::string settingsFilePath;  // "GlobalSettings.ini" in the per-user folder
    bool dataFileRejected = false; // dataFilePath is not a data file, so it is never written
};

}  // namespace evenkeeper
