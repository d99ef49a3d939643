#include <windows.h>

#include "platform/DiskSpace.h"

namespace evenkeeper {
namespace {

using FreeSpaceEx = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);

// Early Windows 95 lacks the extended query; it is looked up once.
FreeSpaceEx extendedQuery() {
    static FreeSpaceEx query = reinterpret_cast<FreeSpaceEx>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("KERNEL32.DLL"), "GetDiskFreeSpaceExA")));
    return query;
}

}  // namespace

std::uint64_t freeSpace(const char* folder, std::uint64_t* total) {
    FreeSpaceEx query = extendedQuery();
    // A drive without a medium fails instead of asking the user to insert one.
    UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    std::uint64_t result = kUnknownSpace;
    if (query) {
        ULARGE_INTEGER available, size, free;
        if (query(folder, &available, &size, &free)) {
            result = available.QuadPart;
            if (total) *total = size.QuadPart;
        }
    } else {
        char root[4] = {folder[0], ':', '\\', '\0'};
        DWORD sectorsPerCluster, bytesPerSector, freeClusters, clusters;
        if (GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters)) {
            result = DWORD(sectorsPerCluster * bytesPerSector * freeClusters);
            if (total) *total = DWORD(sectorsPerCluster * bytesPerSector * clusters);
        }
    }
    SetErrorMode(previousMode);
    return result;
}

}  // namespace evenkeeper
