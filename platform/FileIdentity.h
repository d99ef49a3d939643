#pragma once
// What a folder is, whatever its path: another drive letter for it, a link to it or a share
// of it name the same volume and file number.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

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

// Whether a file is a link (or is reached through one) rather than an entry of its folder.
// Wine lists a link to a file as the file it points to, so a copy onto it or its deletion
// would act on that file; the run asks right before it acts, with the state of path that it
// has just looked at. False when path does not exist or the system cannot tell.
bool isLink(const std::string& path, const FileState& state);

}  // namespace evenkeeper
