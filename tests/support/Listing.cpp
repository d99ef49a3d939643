#include "support/Listing.h"

#include <algorithm>
#include <cstring>

#include "platform/DirectorySearch.h"

namespace evenkeeper::test {

std::vector<std::string> listing(const std::string& folder) {
    DirectorySearch& search = systemDirectorySearch();
    std::vector<std::string> names;
    FindData item;
    SearchHandle handle = nullptr;
    for (FindResult found = search.findFirst((folder + "*").c_str(), item, handle);
         found == FindResult::found; found = search.findNext(handle, item))
        if (std::strcmp(item.name, ".") != 0 && std::strcmp(item.name, "..") != 0)
            names.push_back(item.name);
    if (handle) search.findClose(handle);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace evenkeeper::test
