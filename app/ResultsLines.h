#pragma once
// The lines of the Results dialog, chosen from the current state: the free space on both
// folders' drives and, when the tables hold a valid scan, the files and bytes of each side
// and the bytes the plan would copy, move or delete, and whether what it deletes goes to the
// Recycle Bin. The Win32 dialog draws them.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/FolderScanner.h"
#include "engine/SyncOperation.h"
#include "engine/SyncSession.h"

namespace evenkeeper {

// A number (grouped in thousands) and the label drawn after it; both empty on a blank line.
struct ResultsLine {
    std::string number;
    std::string label;
};

// What the lines are made of, read at one moment.
struct ResultsFigures {
    std::uint64_t topFree = 0;     // kUnknownSpace when the drive could not be asked
    std::uint64_t bottomFree = 0;
    bool scanValid = false;
    std::uint32_t topFiles = 0;
    std::uint32_t bottomFiles = 0;
    std::uint64_t topBytes = 0;
    std::uint64_t bottomBytes = 0;
    std::uint64_t topPlanBytes = 0;
    std::uint64_t bottomPlanBytes = 0;
    Operation operation = kCopy;
    Direction direction = kTopToBottom;
    bool topBin = false;  // whether the folder's drive has a Recycle Bin
    bool bottomBin = false;
};

// The figures now: the drives are asked for their free space and their bins at every call.
ResultsFigures currentFigures(const SyncSession& session, const FolderScanner& top,
                              const FolderScanner& bottom);

std::vector<ResultsLine> resultsLines(const ResultsFigures& figures);

}  // namespace evenkeeper
