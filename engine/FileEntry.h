#pragma once
#include <cstdint>

namespace evenkeeper {

enum class Side : std::uint8_t { top, bottom };

// One file found by a scan. side and toDelete belong to the plan that last listed the entry.
struct FileEntry {
    const char* name;          // owned by the table
    std::uint64_t lastWrite;   // 100 ns units since 1601, UTC
    std::uint32_t size;        // low 32 bits of the size
    Side side;
    bool toDelete;
    std::int32_t folder;       // index into the FolderList of the same scanner
};

// Images of the result list's rows.
enum RowImage { kImageCopyDown = 0, kImageCopyUp = 1, kImageSideView = 2, kImageDelete = 3 };

}  // namespace evenkeeper
