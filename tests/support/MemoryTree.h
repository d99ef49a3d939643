#pragma once
// A folder tree in memory behind the directory search: attributes a POSIX file system lacks
// (system, hidden), sizes beyond 4 GiB without disk, huge trees, and folders whose search
// fails. Items are listed in the order they were added, after "." and "..".
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/DirectorySearch.h"

namespace evenkeeper::test {

class MemoryTree : public DirectorySearch {
public:
    // path is a full path such as "M:\top\a\b.txt"; missing folders above it are added.
    void addFile(const std::string& path, std::uint64_t size, std::uint64_t lastWrite,
                 std::uint32_t attributes = kAttributeArchive);
    void addFolder(const std::string& path, std::uint32_t attributes = kAttributeDirectory);
    // An item of folder ("M:\top\") whose name is taken as it stands, separators and all,
    // as a search may report a name the code page cannot show.
    void addItem(const std::string& folder, const std::string& name, std::uint32_t attributes);
    // Every search of this folder ("M:\top\a\") fails from now on.
    void failFolder(const std::string& folder) { failing_.insert(folder); }
    int openSearches() const { return openSearches_; }
    // Searches opened so far, whether or not they found anything.
    int searchesMade() const { return searchesMade_; }

    FindResult findFirst(const char* pattern, FindData& item, SearchHandle& handle) override;
    FindResult findNext(SearchHandle handle, FindData& item) override;
    void findClose(SearchHandle handle) override;

private:
    struct Item {
        std::string name;
        std::uint32_t attributes;
        std::uint64_t size;
        std::uint64_t lastWrite;
    };
    struct Search {
        const std::vector<Item>* items;
        std::size_t next;
    };
    void ensureFolder(const std::string& folder);  // "M:\top\a\"

    std::map<std::string, std::vector<Item>> folders_;
    std::set<std::string> failing_;
    int openSearches_ = 0;
    int searchesMade_ = 0;
};

}  // namespace evenkeeper::test
