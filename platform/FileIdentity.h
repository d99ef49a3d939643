#pragma once
// What a folder is, whatever its path: another drive letter for it, a link to it or a share
// of it name the same volume and file number.
#include <cstdint>
#include <vector>

namespace evenkeeper {

struct FileIdentity {
    std::uint64_t volume;
    std::uint64_t file;
    bool operator==(const FileIdentity& other) const {
        return volume == other.volume && file == other.file;
    }
};

// The identities of an existing folder and of each folder above it up to its root, nearest
// first, as the system resolves the path; empty when the folder cannot be opened.
std::vector<FileIdentity> folderLineage(const char* folder);

}  // namespace evenkeeper
