#include "support/LinearMatcher.h"

namespace evenkeeper::test {

const FileEntry* LinearMatcher::find(const FileEntry& entry, const char* folder) {
    const FileTable& table = other_->table();
    for (int i = 0; i < table.count(); ++i) {
        const FileEntry& candidate = table.at(i);
        const char* candidateFolder = other_->folders().folderAt(candidate.folder);
        if (compare_.equalNoCase(candidate.name, entry.name) && candidateFolder &&
            compare_.equalNoCase(candidateFolder, folder))
            return &candidate;
    }
    return nullptr;
}

}  // namespace evenkeeper::test
