#include "engine/FolderWalker.h"

#include <cstring>

#include "engine/TemporaryName.h"
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

// "*" and "*.*" match every name on the platform, folders' names included, so one search
// gives a folder's files and its subfolders alike.
bool takesEveryName(const char* pattern) {
    return std::strcmp(pattern, "*") == 0 || std::strcmp(pattern, "*.*") == 0;
}

// A folder item that could be entered: the rest of the test waits until its turn comes.
bool isSubfolderCandidate(const FindData& item) {
    return (item.attributes & kAttributeDirectory) && item.name[0] != '.';
}

}  // namespace

void FolderWalker::Subfolders::clear() {
    items.clear();
    next = 0;
    failedAtEnd = false;
}

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

    bool oneSearch = takesEveryName(pattern);
    for (;;) {
        Subfolders& subfolders = subfolders_[depth_];
        subfolders.clear();
        bool descends = depth_ < levels;
        if (visitItems(pattern, descends && oneSearch ? &subfolders : nullptr)) return 1;
        if (levels == 0) return 0;
        if (descends && !oneSearch) listSubfolders(subfolders);
        Step step = enterNextFolder(levels, includeSystem);
        if (step == Step::stopped) return 1;
        if (step == Step::finished) return 0;
    }
}

// Moves into the next subfolder to walk, climbing back up as the lists run out.
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
        if (--depth_ < 0) return Step::finished;
        *std::strrchr(currentPath_, '\\') = '\0';
        std::strrchr(currentPath_, '\\')[1] = '\0';
        OnLeaveFolder();
    }
}

// Files of the current folder that match pattern, and when subfolders is given the folder
// items of the same search as well.
int FolderWalker::visitItems(const char* pattern, Subfolders* subfolders) {
    if (!setSearchText(pattern)) {
        OnUnreadFolder(currentPath_, nullptr);
        return 0;
    }
    FindData item;
    SearchHandle handle = nullptr;
    FindResult result = search_.findFirst(searchText_, item, handle);
    if (result == FindResult::failed) OnUnreadFolder(currentPath_, nullptr);
    if (result != FindResult::found) return 0;
    int stop = 0;
    do {
        if (!(item.attributes & kAttributeDirectory)) {
            if (!isUsableName(item.name)) {
                OnUnreadFile(currentPath_, item.name);
            } else if (!isTemporaryName(item.name) && OnFile(item)) {
                stop = 1;
                break;
            }
        } else if (subfolders && isSubfolderCandidate(item)) {
            subfolders->items.push_back(item);
        }
        result = search_.findNext(handle, item);
    } while (result == FindResult::found);
    if (result == FindResult::failed) OnUnreadFolder(currentPath_, nullptr);
    search_.findClose(handle);
    return stop;
}

// The second search of a walk whose file pattern leaves names out: every folder item.
void FolderWalker::listSubfolders(Subfolders& subfolders) {
    setSearchText("*");
    FindData item;
    SearchHandle handle = nullptr;
    FindResult result = search_.findFirst(searchText_, item, handle);
    if (result == FindResult::failed) OnUnreadFolder(currentPath_, nullptr);
    if (result != FindResult::found) return;
    do {
        if (isSubfolderCandidate(item)) subfolders.items.push_back(item);
        result = search_.findNext(handle, item);
    } while (result == FindResult::found);
    subfolders.failedAtEnd = result == FindResult::failed;
    search_.findClose(handle);
}

// The next folder of the current depth's list that is to be entered: unless includeSystem,
// one without the system attribute. A system folder passed over was not read: its files
// are unknown. So is a folder link: it may lead back up the tree (repeating it at every
// level) or out of the chosen folder.
bool FolderWalker::nextSubfolder(FindData& item, bool includeSystem) {
    Subfolders& subfolders = subfolders_[depth_];
    while (subfolders.next < subfolders.items.size()) {
        item = subfolders.items[subfolders.next++];
        bool passedOver = !isUsableName(item.name) || (item.attributes & kAttributeReparsePoint) ||
                          (!includeSystem && (item.attributes & kAttributeSystem));
        if (!passedOver) return true;
        OnUnreadFolder(currentPath_, item.name);
    }
    if (subfolders.failedAtEnd) {
        subfolders.failedAtEnd = false;
        OnUnreadFolder(currentPath_, nullptr);
    }
    return false;
}

bool FolderWalker::setSearchText(const char* pattern) {
    if (std::strlen(currentPath_) + std::strlen(pattern) >= sizeof searchText_) return false;
    std::strcpy(searchText_, currentPath_);
    std::strcat(searchText_, pattern);
    return true;
}

bool FolderWalker::fitsBelowCurrent(const char* name) const {
    return std::strlen(currentPath_) + std::strlen(name) + 1 < sizeof currentPath_;
}

}  // namespace evenkeeper
