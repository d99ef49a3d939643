#include "engine/IndexedMatcher.h"

namespace evenkeeper {

std::uint64_t IndexedMatcher::hashOf(const char* text) {
    compare_.caseKey(text, key_);
    return CaseIndex::hashKey(key_);
}

int IndexedMatcher::folderClassOf(const char* folder) {
    const FolderList& folders = other_->folders();
    return folderIndex_.find(hashOf(folder), [&](int slot) {
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
        if (first < 0) folderIndex_.add(hashOf(folders.folderAt(slot)), slot);
        otherFolderClass_[slot] = first < 0 ? slot : first;
    }
    sourceFolderClass_.assign(source.folders().lastIndex() + 1, kUnknown);

    const FileTable& table = other.table();
    auto folderClass = [&](const FileEntry& entry) {
        bool known = entry.folder >= 0 && entry.folder <= folders.lastIndex();
        return known ? otherFolderClass_[entry.folder] : -1;
    };
    entryIndex_.start(folders.lastIndex() + 1);
    for (int i = 0; i < table.count(); ++i)
        if (folderClass(table.at(i)) >= 0) entryIndex_.count(folderClass(table.at(i)));
    entryIndex_.allocate();
    for (int i = 0; i < table.count(); ++i) {
        const FileEntry& entry = table.at(i);
        int group = folderClass(entry);
        if (group < 0) continue;
        std::uint32_t hash = std::uint32_t(hashOf(entry.name));
        int first = entryIndex_.find(group, hash, [&](int j) {
            return compare_.equalNoCase(table.at(j).name, entry.name);
        });
        if (first < 0) entryIndex_.add(group, hash, i);
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
    int found = entryIndex_.find(folderClass, std::uint32_t(hashOf(entry.name)), [&](int j) {
        return compare_.equalNoCase(table.at(j).name, entry.name);
    });
    return found < 0 ? nullptr : &table.at(found);
}

}  // namespace evenkeeper
