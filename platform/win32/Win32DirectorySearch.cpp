#include <windows.h>

#include <cstring>

#include "platform/DirectorySearch.h"

namespace evenkeeper {
namespace {

void toRecord(const WIN32_FIND_DATAA& data, FindData& item) {
    item.attributes = data.dwFileAttributes;
    item.lastWrite = (std::uint64_t(data.ftLastWriteTime.dwHighDateTime) << 32) |
                     data.ftLastWriteTime.dwLowDateTime;
    item.sizeHigh = data.nFileSizeHigh;
    item.sizeLow = data.nFileSizeLow;
    std::memcpy(item.name, data.cFileName, sizeof item.name);
    item.name[kMaxPath - 1] = '\0';
}

FindResult failureKind() {
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES ? FindResult::none
                                                                         : FindResult::failed;
}

class Win32DirectorySearch : public DirectorySearch {
public:
    FindResult findFirst(const char* pattern, FindData& item, SearchHandle& handle) override {
        WIN32_FIND_DATAA data;
        HANDLE search = FindFirstFileA(pattern, &data);
        if (search == INVALID_HANDLE_VALUE) return failureKind();
        toRecord(data, item);
        handle = search;
        return FindResult::found;
    }
    FindResult findNext(SearchHandle handle, FindData& item) override {
        WIN32_FIND_DATAA data;
        if (!FindNextFileA(static_cast<HANDLE>(handle), &data)) return failureKind();
        toRecord(data, item);
        return FindResult::found;
    }
    void findClose(SearchHandle handle) override { FindClose(static_cast<HANDLE>(handle)); }
};

}  // namespace

DirectorySearch& systemDirectorySearch() {
    static Win32DirectorySearch search;
    return search;
}

}  // namespace evenkeeper
