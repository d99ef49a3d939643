#pragma once
// Whether the file a row of the run is about to replace or delete is still the one the scan
// saw. A plan is a snapshot: a file that was edited, written or removed since the Scan is
// work the user has not reviewed, so the run leaves it alone.
#include "engine/FileEntry.h"
#include "platform/FileSystem.h"

namespace evenkeeper {

class TargetCheck {
public:
    virtual ~TargetCheck() = default;
    // A copy of entry, from folder of its side, onto destination, which now stands as now
    // (or would: a run asks whether a missing file passes before it takes a free name).
    virtual bool mayCopyOnto(const FileEntry& entry, const char* folder, const char* destination,
                             const FileState& now) = 0;
    // The deletion of entry's own file at path, which now stands as now.
    virtual bool mayDelete(const FileEntry& entry, const char* path, const FileState& now) = 0;
    // The run has just written destination.
    virtual void copied(const char* destination) = 0;
};

}  // namespace evenkeeper
