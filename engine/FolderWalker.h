#pragma once
// A depth-first, pre-order walk of a folder tree: the files of a folder come before its
// subfolders, each subfolder is finished before the next sibling. Derived classes act on
// what the walk meets through the On... operations; a nonzero result stops the walk.
#include <vector>

#include "platform/DirectorySearch.h"

namespace evenkeeper {

class FolderWalker {
public:
    static constexpr int kMaxDepth = 16;

    explicit FolderWalker(DirectorySearch& search) : search_(search) {}
    virtual ~FolderWalker() = default;

    // root ends in "\"; levels 0 lists the root's files only. 0 when the whole tree was
    // walked, 1 when an operation stopped it.
    int walk(const char* root, const char* pattern, int levels, bool includeSystem);

    int depth() const { return depth_; }
    const char* currentPath() const { return currentPath_; }

protected:
    // After the walk came back up from a subfolder; the current path names the parent.
    virtual int OnLeaveFolder() = 0;
    virtual int OnFile(const FindData& item) = 0;
    // For the root (item null) before anything else, and for each subfolder just entered.
    virtual int OnEnterFolder(const FindData* item) = 0;
    virtual int OnBeforeDescend(const FindData& item) = 0;
    // A folder whose content the walk could not read (search refused, vanished, path too
    // long) or passed over (a system folder, a folder link): the folder parentPath + name,
    // or parentPath itself when name is null.
    virtual void OnUnreadFolder(const char* parentPath, const char* name) = 0;
    // A file of the folder parentPath that cannot be reached by its name: one the system
    // could not carry in the code page.
    virtual void OnUnreadFile(const char* parentPath, const char* name) = 0;

private:
    // The folder items of one depth's folder that may be entered, read before the first
    // of them is walked, so that no search stays open while the walk is below it.
    struct Subfolders {
        std::vector<FindData> items;
        std::size_t next = 0;
        bool failedAtEnd = false;  // the search broke off after these items
        void clear();
    };

    enum class Step { entered, stopped, finished };

    int visitItems(const char* pattern, Subfolders* subfolders);
    void listSubfolders(Subfolders& subfolders);
    Step enterNextFolder(int levels, bool includeSystem);
    bool nextSubfolder(FindData& item, bool includeSystem);
    bool setSearchText(const char* pattern);
    bool fitsBelowCurrent(const char* name) const;

    DirectorySearch& search_;
    int depth_ = 0;
    char currentPath_[kMaxPath] = {};
    char searchText_[300] = {};
    Subfolders subfolders_[kMaxDepth + 1];
};

}  // namespace evenkeeper
