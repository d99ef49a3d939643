#pragma once
// Two folders that lie in one another within the scanned depth share files: a sync between
// them would copy into its own source or delete what it copies from.
#include <string>
#include <vector>

#include "platform/FileIdentity.h"
#include "platform/TextCompare.h"

namespace evenkeeper {

// top and bottom are full paths ending in "\", compared without regard to case as the
// platform compares names. True when they are the same folder, or when one lies inside the
// other no deeper than levels below it.
bool foldersOverlap(const std::string& top, const std::string& bottom, int levels,
                    const TextCompare& compare);
// The same question asked of what the folders are, so that every spelling of one folder
// counts (another drive letter, a link, a share): top and bottom are their lineages,
// nearest first (folderLineage). False when either is unknown.
bool lineagesOverlap(const std::vector<FileIdentity>& top, const std::vector<FileIdentity>& bottom,
                     int levels);

}  // namespace evenkeeper
