#pragma once
// Directory search, the listing of one folder that the scanner walks. The Win32 backend calls
// the narrow Win32 functions; the POSIX backend gives the same records and failure kinds.
// Paths are 8-bit texts of the Windows-1252 code page with "\" between components.
#include <cstdint>

namespace evenkeeper {

constexpr std::uint32_t kAttributeReadOnly = 0x01;
constexpr std::uint32_t kAttributeHidden = 0x02;
constexpr std::uint32_t kAttributeSystem = 0x04;
constexpr std::uint32_t kAttributeDirectory = 0x10;
constexpr std::uint32_t kAttributeArchive = 0x20;
constexpr std::uint32_t kAttributeNormal = 0x80;
// A junction or symbolic link (on POSIX any symbolic link; Wine reports only links to folders).
constexpr std::uint32_t kAttributeReparsePoint = 0x400;

constexpr int kMaxPath = 260;  // room for 259 characters and the terminator

// One item of a directory search, as the platform's search reports it.
struct FindData {
    std::uint32_t attributes = 0;
    std::uint64_t lastWrite = 0;  // 100 ns units since 1 January 1601 UTC
    std::uint32_t sizeHigh = 0;
    std::uint32_t sizeLow = 0;
    char name[kMaxPath] = {};
};

enum class FindResult {
    found,   // the record holds the next item
    none,    // no (more) items
    failed,  // the folder could not be searched: access denied, vanished, too long
};

using SearchHandle = void*;

class DirectorySearch {
public:
    virtual ~DirectorySearch() = default;
    // Opens a search for pattern ("folder\*.*" or "folder\*"); on found the handle is open
    // and must be closed, otherwise no handle is open.
    virtual FindResult findFirst(const char* pattern, FindData& item, SearchHandle& handle) = 0;
    virtual FindResult findNext(SearchHandle handle, FindData& item) = 0;
    virtual void findClose(SearchHandle handle) = 0;
};

DirectorySearch& systemDirectorySearch();

}  // namespace evenkeeper
