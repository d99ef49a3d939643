#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "platform/FileSystem.h"
#include "platform/RecycleBin.h"

namespace evenkeeper {
namespace {

bool stillThere(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The shell's own result: zero when it reports success. Its failures are mostly system error
// codes, but 0x71 to 0x88 and those from 0x400 are older codes of its own.
int shellRecycle(const std::string& names) {
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = names.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    int result = SHFileOperationA(&operation);
    return result == 0 && operation.fAnyOperationsAborted ? ERROR_CANCELLED : result;
}

std::string reasonOf(int result) {
    bool shellCode = (result >= 0x71 && result <= 0x88) || result >= 0x400;
    std::string text = shellCode || result == 0 ? "" : systemFileSystem().errorText(DWORD(result));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    if (!text.empty()) return text;
    char code[64];
    std::snprintf(code, sizeof code, "The shell left it in place (code 0x%X).", unsigned(result));
    return code;
}

class Win32RecycleBin : public RecycleBin {
public:
    // Windows keeps a bin on fixed drives only. The shell's query fails where there is none
    // at all: Wine's shell has none without the user's trash folder, and then deletes for
    // good what it is asked to recycle, reporting success.
    bool holds(const char* folder) override {
        char root[MAX_PATH];
        if (!GetVolumePathNameA(folder, root, MAX_PATH) || GetDriveTypeA(root) != DRIVE_FIXED)
            return false;
        SHQUERYRBINFO info = {};
        info.cbSize = sizeof info;
        return SHQueryRecycleBinA(root, &info) == S_OK;
    }

    // One call for the whole list. The shell stops at the first file it cannot move and
    // says nothing of which it was, so each file still there is tried once more alone.
    std::vector<RecycleFailure> recycle(const std::vector<std::string>& paths) override {
        std::string names;
        for (const std::string& path : paths) names.append(path).push_back('\0');
        names.push_back('\0');
        int batch = paths.empty() ? 0 : shellRecycle(names);
        std::vector<RecycleFailure> failures;
        for (std::size_t i = 0; i < paths.size(); ++i) {
            if (!stillThere(paths[i])) continue;
            int alone = batch == 0 ? 0 : shellRecycle(paths[i] + '\0');
            if (stillThere(paths[i])) failures.push_back({i, reasonOf(alone)});
        }
        return failures;
    }
};

}  // namespace

RecycleBin& systemRecycleBin() {
    static Win32RecycleBin bin;
    return bin;
}

}  // namespace evenkeeper
