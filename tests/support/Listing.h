#pragma once
// The names in a real folder, as the system's directory search gives them, sorted.
#include <string>
#include <vector>

namespace evenkeeper::test {

// Every name in folder (ending in the separator) but "." and "..", files and folders alike.
std::vector<std::string> listing(const std::string& folder);

}  // namespace evenkeeper::test
