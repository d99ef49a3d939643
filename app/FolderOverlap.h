#pragma once
// Two folders that lie in one another within the scanned depth share files: a sync between
// them would copy into its own source or delete what it copies from.
#include <string>

#include "platform/TextCompare.h"

namespace evenkeeper {

// top and bottom are full paths ending in "\", compared without regard to case as the
// platform compares names. True when they are the same folder, or when one lies inside the
// other no deeper than levels below it.
bool foldersOverlap(const std::string& top, const std::string& bottom, int levels,
                    const TextCompare& compare);

}  // namespace evenkeeper
