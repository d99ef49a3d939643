// Directory search over POSIX calls with the records of the Win32 search. Items are sorted by
// name without regard to case, as Wine reports them, so that walks (and so table and row
// order) are the same on both backends.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/DirectorySearch.h"
#include "platform/posix/Cp1252.h"

namespace evenkeeper {
namespace {

constexpr std::uint64_t kUnixEpochInFileTime = 116444736000000000ULL;

bool matches(const char* pattern, const char* name) {
    if (*pattern == '\0') return *name == '\0';
    if (*pattern == '*') {
        for (const char* rest = name;; ++rest) {
            if (matches(pattern + 1, rest)) return true;
            if (*rest == '\0') return false;
        }
    }
    if (*name == '\0') return false;
    if (*pattern != '?' && upperCp1252(static_cast<unsigned char>(*pattern)) !=
                               upperCp1252(static_cast<unsigned char>(*name)))
        return false;
    return matches(pattern + 1, name + 1);
}

bool sortsBefore(const FindData& a, const FindData& b) {
    for (std::size_t i = 0;; ++i) {
        unsigned char x = upperCp1252(static_cast<unsigned char>(a.name[i]));
        unsigned char y = upperCp1252(static_cast<unsigned char>(b.name[i]));
        if (x != y) return x < y;
        if (x == 0) return std::strcmp(a.name, b.name) < 0;
    }
}

bool describe(const std::string& folder, const char* name, FindData& item) {
    struct stat info;
    std::string path = folder + name;
    if (lstat(path.c_str(), &info) != 0) return false;
    bool link = S_ISLNK(info.st_mode);
    struct stat target;
    if (link && stat(path.c_str(), &target) == 0) info = target;  // a dangling link stays itself
    std::uint32_t attributes = S_ISDIR(info.st_mode) ? kAttributeDirectory : kAttributeArchive;
    // As Windows reports a symbolic link: a reparse point, with the attributes of what it
    // points to. (Wine reports a link to a file as the plain file.)
    if (link) attributes |= kAttributeReparsePoint;
    if (!(info.st_mode & S_IWUSR)) attributes |= kAttributeReadOnly;
    if (name[0] == '.' && std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0)
        attributes |= kAttributeHidden;
    item.attributes = attributes;
    item.lastWrite = kUnixEpochInFileTime + std::uint64_t(info.st_mtim.tv_sec) * 10000000ULL +
                     std::uint64_t(info.st_mtim.tv_nsec) / 100;
    std::uint64_t size = S_ISDIR(info.st_mode) ? 0 : std::uint64_t(info.st_size);
    item.sizeHigh = std::uint32_t(size >> 32);
    item.sizeLow = std::uint32_t(size);
    std::strcpy(item.name, name);
    return true;
}

struct Listing {
    std::vector<FindData> items;
    std::size_t next = 0;
};

class PosixDirectorySearch : public DirectorySearch {
public:
    FindResult findFirst(const char* pattern, FindData& item, SearchHandle& handle) override {
        if (std::strlen(pattern) >= kMaxPath) return FindResult::failed;
        std::string path = posixPath(pattern);
        std::size_t cut = path.rfind('/');
        std::string folder = cut == std::string::npos ? "./" : path.substr(0, cut + 1);
        std::string wanted = path.substr(cut == std::string::npos ? 0 : cut + 1);
        if (wanted == "*.*") wanted = "*";

        DIR* directory = opendir(folder.c_str());
        if (!directory) return FindResult::failed;
        auto* listing = new Listing;
        while (dirent* entry = readdir(directory)) {
            // A name holding "\" cannot be reached through the program's paths.
            if (std::strlen(entry->d_name) >= kMaxPath || std::strchr(entry->d_name, '\\')) continue;
            if (!matches(wanted.c_str(), entry->d_name)) continue;
            FindData found;
            if (!describe(folder, entry->d_name, found)) {
                // Readable but not searchable: the folder's items cannot be known.
                closedir(directory);
                delete listing;
                return FindResult::failed;
            }
            listing->items.push_back(found);
        }
        closedir(directory);
        std::sort(listing->items.begin(), listing->items.end(), sortsBefore);
        handle = listing;
        FindResult result = findNext(handle, item);
        if (result != FindResult::found) {
            delete listing;
            handle = nullptr;
        }
        return result;
    }

    FindResult findNext(SearchHandle handle, FindData& item) override {
        auto* listing = static_cast<Listing*>(handle);
        if (listing->next == listing->items.size()) return FindResult::none;
        item = listing->items[listing->next++];
        return FindResult::found;
    }

    void findClose(SearchHandle handle) override { delete static_cast<Listing*>(handle); }
};

}  // namespace

DirectorySearch& systemDirectorySearch() {
    static PosixDirectorySearch search;
    return search;
}

}  // namespace evenkeeper
