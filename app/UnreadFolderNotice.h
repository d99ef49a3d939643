#pragma once
#include <string>
#include <vector>

namespace evenkeeper {

// What the user is told after a scan that passed over folders it could not read (a folder
// link, a system folder, no access, a path too long) or links to files: how many, the first
// few with their side, and that the plan leaves them alone. Empty when everything was read.
// The lists hold relative folders and links, as the scanners keep them.
std::string unreadFolderNotice(const std::vector<std::string>& top,
                               const std::vector<std::string>& bottom);

}  // namespace evenkeeper
