#include "engine/IndexedMatcher.h"

namespace evenkeeper {

std::uint64_t IndexedMatcher::hashOf(const char* text, std::int32_t folderClass) {
    compare_.caseKey(text, key_);
    return CaseIndex::hashKey(key_, std::uint64_t(folderClass) + 1);
}

int IndexedMatcher::folderClassOf(const char* folder) {
    const FolderList& folders = other_->folders();
    return folderIndex_.find(hashOf(folder, -1), [&](int slot) {
        return compare_.equalNoCase(folders.folderAt(slot), folder);
    });
}

void IndexedMatcher::prepare(const FolderScanner& source, const FolderScanner& other) {
    other_ = &other;
    const FolderList& folders = other.folders();
    folderIndex_.clear();
    otherFolderClass_.assign(folders.lastIndex() + 1, -1);
    for (int slot = 0; slot <= folders.lastIndex(); ++slot) {
        int first = folderClassOf(folders.folderAt(slot));
        if (first < 0) folderIndex_.add(hashOf(folders.folderAt(slot), -1), slot);
        otherFolderClass_[slot] = first < 0 ? slot : first;
    }
    sourceFolderClass_.assign(source.folders().lastIndex() + 1, kUnknown);

    const FileTable& table = other.table();
    entryIndex_.clear();
    entryIndex_.reserve(std::size_t(table.count()));
    for (int i = 0; i < table.count(); ++i) {
        const FileEntry& entry = table.at(i);
        if (entry.folder < 0 || entry.folder > folders.lastIndex()) continue;
        int folderClass = otherFolderClass_[entry.folder];
        std::uint64_t hash = hashOf(entry.name, folderClass);
        int first = entryIndex_.find(hash, [&](int j) {
            const FileEntry& earlier = table.at(j);
            return otherFolderClass_[earlier.folder] == folderClass &&
                   compare_.equalNoCase(earlier.name, entry.name);
        });
        if (first < 0) entryIndex_.add(hash, i);
    }
}

const FileEntry* IndexedMatcher::find(const FileEntry& entry, const char* folder) {
    int folderClass;
    bool cached = entry.folder >= 0 && entry.folder < int(sourceFolderClass_.size());
    if (cached && sourceFolderClass_[entry.folder] != kUnknown) {
        folderClass = sourceFolderClass_[entry.folder];
    } else {
        int slot = folderClassOf(folder);
        folderClass = slot < 0 ? -1 : otherFolderClass_[slot];
        if (cached) sourceFolderClass_[entry.folder] = folderClass;
    }
    if (folderClass < 0) return nullptr;

    const FileTable& table = other_->table();
    int found = entryIndex_.find(hashOf(entry.name, folderClass), [&](int j) {
        const FileEntry& candidate = table.at(j);
        return otherFolderClass_[candidate.folder] == folderClass &&
               compare_.equalNoCase(candidate.name, entry.name);
    });
    return found < 0 ? nullptr : &table.at(found);
}

}  // namespace evenkeeper
