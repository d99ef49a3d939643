#include "engine/FolderScanner.h"

#include <algorithm>
#include <cstring>

#include "engine/PathHelpers.h"

namespace evenkeeper {

FolderScanner::FolderScanner(const ScannerServices& services)
    : FolderWalker(services.search),
      dialog_(services.dialog),
      pump_(services.pump),
      table_(services.reallocate),
      folders_(services.compare, services.reallocate) {}

int FolderScanner::reset() { return table_.reset() ? 1 : 0; }

int FolderScanner::scan(const char* root, int levels) {
    totalBytes_ = 0;
    // The walk climbs back out of a folder by cutting at "\": from a root without a closing
    // one ("E:", "D:\src", a data file edited by hand) it would cut into nothing.
    root_ = closedFolder(root);
    rootLength_ = int(root_.size());
    unreadFolders_.clear();
    if (!folders_.create()) return 1;
    // A table without memory must not take entries.
    if (!table_.hasMemory()) return 1;
    return walk(root_.c_str(), "*.*", levels, false);
}

int FolderScanner::OnLeaveFolder() {
    dialog_.setStatusText(currentPath());
    return 0;
}

int FolderScanner::OnFile(const FindData& item) {
    // A link to a file leads out of the tree: copying it, deleting it or copying onto it
    // would act on the file it points to.
    if (item.attributes & kAttributeReparsePoint) {
        unreadFolders_.push_back(currentPath() + rootLength_ + std::string(item.name));
        return 0;
    }
    FileEntry* entry = table_.append(item.name);
    if (entry) {
        entry->size = item.sizeLow;
        entry->lastWrite = item.lastWrite;
        entry->folder = currentFolder_;
        totalBytes_ += item.sizeLow;
        if (table_.count() < table_.capacity() || table_.grow()) return 0;
    }
    dialog_.showMessage("Too many files", kMessageCaption);
    return 1;
}

int FolderScanner::OnEnterFolder(const FindData*) {
    int index = folders_.internFolder(currentPath() + rootLength_);
    if (index < 0) return 1;
    currentFolder_ = index;
    return pump_.pumpMessages();
}

int FolderScanner::OnBeforeDescend(const FindData&) { return 0; }

std::string FolderScanner::relativeOf(const char* path) const {
    return path + std::min<std::size_t>(rootLength_, std::strlen(path));
}

void FolderScanner::OnUnreadFolder(const char* parentPath, const char* name) {
    std::string relative = relativeOf(parentPath);
    if (name) relative.append(name).append("\\");
    // Both searches of a folder fail together; one record is enough.
    if (unreadFolders_.empty() || unreadFolders_.back() != relative) unreadFolders_.push_back(relative);
}

// The same name is the same stand-in on both sides, so its twin is never taken either.
void FolderScanner::OnUnreadFile(const char* parentPath, const char* name) {
    unreadFolders_.push_back(relativeOf(parentPath) + name);
}

bool FolderScanner::isBelowUnread(const char* relativeFolder) const {
    if (unreadFolders_.empty()) return false;
    const TextCompare& compare = folders_.compare();
    // Each ancestor of relativeFolder ("", "a\", "a\b\", ...) against each unread folder.
    std::string prefix;
    for (const char* c = relativeFolder;; ++c) {
        if (c == relativeFolder || c[-1] == '\\') {
            prefix.assign(relativeFolder, c);
            for (const std::string& unread : unreadFolders_)
                if (compare.equalNoCase(prefix.c_str(), unread.c_str())) return true;
        }
        if (*c == '\0') return false;
    }
}

bool FolderScanner::isUnread(const char* relativeFolder, const char* name) const {
    if (isBelowUnread(relativeFolder)) return true;
    std::string path = std::string(relativeFolder) + name;
    for (const std::string& unread : unreadFolders_)
        if (folders_.compare().equalNoCase(path.c_str(), unread.c_str())) return true;
    return false;
}

}  // namespace evenkeeper
