#pragma once
// The scan of one side's folder tree into a FileTable and a FolderList.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/FileTable.h"
#include "engine/FolderList.h"
#include "engine/FolderWalker.h"
#include "engine/MainDialogPort.h"
#include "platform/MessagePump.h"

namespace evenkeeper {

struct ScannerServices {
    DirectorySearch& search;
    const TextCompare& compare;
    MainDialogPort& dialog;
    MessagePump& pump;
    Reallocate reallocate = std::realloc;
};

class FolderScanner : public FolderWalker {
public:
    explicit FolderScanner(const ScannerServices& services);

    // Empties the table, creating it at the first call; nonzero when the table has memory.
    int reset();
    // Walks root to levels below it; 0 when the whole tree was walked.
    int scan(const char* root, int levels);

    FileTable& table() { return table_; }
    const FileTable& table() const { return table_; }
    const FolderList& folders() const { return folders_; }
    std::uint64_t totalBytes() const { return totalBytes_; }
    int rootLength() const { return rootLength_; }
    // The root folder of the last scan, ending in "\": the run builds its paths on the
    // folders it was given only when they are this text.
    const std::string& root() const { return root_; }

    // Relative folders (ending in "\") this scan could not read, and files it passed over
    // (relative folder and name): links to files and names the system cannot carry. Their
    // files, and all below them, are unknown, so nothing there may be taken as missing on
    // this side.
    const std::vector<std::string>& unreadFolders() const { return unreadFolders_; }
    // Whether relativeFolder is an unread folder or lies below one.
    bool isBelowUnread(const char* relativeFolder) const;
    // Whether the file name of relativeFolder lies below an unread folder or is a link.
    bool isUnread(const char* relativeFolder, const char* name) const;

protected:
    int OnLeaveFolder() override;
    int OnFile(const FindData& item) override;
    int OnEnterFolder(const FindData* item) override;
    int OnBeforeDescend(const FindData& item) override;
    void OnUnreadFolder(const char* parentPath, const char* name) override;
    void OnUnreadFile(const char* parentPath, const char* name) override;

private:
    // path with the root cut off its front.
    std::string relativeOf(const char* path) const;

    MainDialogPort& dialog_;
    MessagePump& pump_;
    FileTable table_;
    FolderList folders_;
    std::uint64_t totalBytes_ = 0;
    int rootLength_ = 0;
    std::string root_;
    int currentFolder_ = 0;
    std::vector<std::string> unreadFolders_;
};

}  // namespace evenkeeper
