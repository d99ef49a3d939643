#pragma once
// The user's Recycle Bin: where a deleted file goes so that a mistaken sync can be undone.
// The Win32 backend asks the shell; the POSIX backend keeps a trash folder of the user's
// (the freedesktop.org layout: files\ and info\), so that native runs never delete for good
// where the program means to keep a file.
#include <cstddef>
#include <string>
#include <vector>

namespace evenkeeper {

struct RecycleFailure {
    std::size_t index;   // of the path that is still in place
    std::string reason;  // the system's words for why
};

class RecycleBin {
public:
    virtual ~RecycleBin() = default;
    // Whether files in folder can go to a Recycle Bin. Drives without one (removable drives,
    // network shares, or no bin at all) answer false; there a file can only be deleted.
    virtual bool holds(const char* folder) = 0;
    // Moves the files at paths (of folders that hold a bin) to the bin, as many in one call
    // as the platform allows. The result names each file that is still in place afterwards;
    // such a file is never deleted instead.
    virtual std::vector<RecycleFailure> recycle(const std::vector<std::string>& paths) = 0;
};

RecycleBin& systemRecycleBin();

}  // namespace evenkeeper
