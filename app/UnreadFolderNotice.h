#pragma once
#include <string>
#include <vector>

namespace evenkeeper {

// What the user is told after a scan that passed over folders or files it could not read (a
// folder link, a system folder, no access, a path too long, a name the system cannot carry, a link to a file):
// how many, the first few with their side, and that the plan leaves them alone. Empty when
// everything was read. The lists hold relative folders and files, as the scanners keep them.
std::string unreadFolderNotice(const std::vector<std::string>& top,
                               const std::vector<std::string>& bottom);

}  // namespace evenkeeper
