#include "engine/FolderWalker.h"

#include <cstring>

#include "platform/Utf8Text.h"

namespace evenkeeper {
namespace {

// A system that cannot carry a name in the code page (a Windows that ignores the program's
// UTF-8 manifest entry) hands out a stand-in: "?" or a best-fit letter that may separate or
// match paths ("a\b", "..\x"), or text that is no UTF-8. Such an item cannot be reached by
// its name, and taking it would put files of other folders into the tables. So is a name
// that fills the record to within one character: it may have been cut to fit.
bool isUsableName(const char* name) {
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(name); *c; ++c)
        if (*c < 32 || std::strchr("\\/:*?\"<>|", *c)) return false;
    std::size_t length = std::strlen(name);
    constexpr char kReplacementCharacter[] = "\xEF\xBF\xBD";
    return length + 4 < kMaxPath && isUtf8(name, length) && !std::strstr(name, kReplacementCharacter);
}

}  // namespace

int FolderWalker::walk(const char* root, const char* pattern, int levels, bool includeSystem) {
    if (levels < 0) levels = 0;
    if (levels > kMaxDepth) levels = kMaxDepth;
    depth_ = 0;
    if (std::strlen(root) >= sizeof currentPath_) {
        OnUnreadFolder(root, nullptr);
        return 0;
    }
    std::strcpy(currentPath_, root);
    if (OnEnterFolder(nullptr)) return 1;

    for (;;) {
        if (visitFiles(pattern)) return 1;
        if (levels == 0) return 0;
        if (depth_ < levels) openSubfolderSearch();
        Step step = enterNextFolder(levels, includeSystem);
        if (step == Step::stopped) {
            closeAll();
            return 1;
        }
        if (step == Step::finished) return 0;
    }
}

// Moves into the next subfolder to walk, climbing back up as the searches run out.
FolderWalker::Step FolderWalker::enterNextFolder(int levels, bool includeSystem) {
    FindData item;
    for (;;) {
        if (depth_ < levels && nextSubfolder(item, includeSystem)) {
            if (!fitsBelowCurrent(item.name)) {
                OnUnreadFolder(currentPath_, item.name);
                continue;
            }
            if (OnBeforeDescend(item)) return Step::stopped;
            std::strcat(currentPath_, item.name);
            std::strcat(currentPath_, "\\");
            ++depth_;
            return OnEnterFolder(&item) ? Step::stopped : Step::entered;
        }
        closeSearch(depth_);
        if (--depth_ < 0) return Step::finished;
        *std::strrchr(currentPath_, '\\') = '\0';
        std::strrchr(currentPath_, '\\')[1] = '\0';
        OnLeaveFolder();
    }
}

int FolderWalker::visitFiles(const char* pattern) {
    if (std::strlen(currentPath_) + std::strlen(pattern) >= sizeof searchText_) {
        OnUnreadFolder(currentPath_, nullptr);
        return 0;
    }
    std::strcpy(searchText_, currentPath_);
    std::strcat(searchText_, pattern);
    FindData item;
    SearchHandle handle = nullptr;
    FindResult result = search_.findFirst(searchText_, item, handle);
    if (result == FindResult::failed) OnUnreadFolder(currentPath_, nullptr);
    if (result != FindResult::found) return 0;
    int stop = 0;
    do {
        bool isFile = !(item.attributes & kAttributeDirectory);
        if (isFile && !isUsableName(item.name)) {
            OnUnreadFile(currentPath_, item.name);
        } else if (isFile && OnFile(item)) {
            stop = 1;
            break;
        }
        result = search_.findNext(handle, item);
    } while (result == FindResult::found);
    if (result == FindResult::failed) OnUnreadFolder(currentPath_, nullptr);
    search_.findClose(handle);
    if (stop) closeAll();
    return stop;
}

void FolderWalker::openSubfolderSearch() {
    OpenSearch& open = searches_[depth_];
    std::strcpy(searchText_, currentPath_);
    std::strcat(searchText_, "*");
    FindResult result = search_.findFirst(searchText_, open.item, open.handle);
    if (result == FindResult::failed) OnUnreadFolder(currentPath_, nullptr);
    open.open = open.pending = result == FindResult::found;
}

// The next item of the current depth's search that is to be entered: a folder whose name
// does not begin with "." and, unless includeSystem, without the system attribute. A
// system folder passed over was not read: its files are unknown. So is a folder link: it
// may lead back up the tree (repeating it at every level) or out of the chosen folder.
bool FolderWalker::nextSubfolder(FindData& item, bool includeSystem) {
    OpenSearch& open = searches_[depth_];
    while (open.open) {
        if (open.pending) {
            item = open.item;
            open.pending = false;
        } else {
            FindResult result = search_.findNext(open.handle, item);
            if (result != FindResult::found) {
                if (result == FindResult::failed) OnUnreadFolder(currentPath_, nullptr);
                return false;
            }
        }
        if (!(item.attributes & kAttributeDirectory) || item.name[0] == '.') continue;
        bool passedOver = !isUsableName(item.name) || (item.attributes & kAttributeReparsePoint) ||
                          (!includeSystem && (item.attributes & kAttributeSystem));
        if (!passedOver) return true;
        OnUnreadFolder(currentPath_, item.name);
    }
    return false;
}

bool FolderWalker::fitsBelowCurrent(const char* name) const {
    return std::strlen(currentPath_) + std::strlen(name) + 1 < sizeof currentPath_;
}

void FolderWalker::closeSearch(int depth) {
    OpenSearch& open = searches_[depth];
    if (open.open) search_.findClose(open.handle);
    open.open = open.pending = false;
}

void FolderWalker::closeAll() {
    for (int depth = 0; depth <= kMaxDepth; ++depth) closeSearch(depth);
}

}  // namespace evenkeeper
