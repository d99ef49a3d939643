// Directory search over POSIX calls with the records of the Win32 search. Items are sorted by
// name without regard to case, as Wine reports them, so that walks (and so table and row
// order) are the same on both backends.
#include <dirent.h>
#include <fcntl.h>
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

// The record of one entry of the open folder, from the entry's type and at most one stat
// relative to the folder (a second only for a link whose target is gone).
bool describe(int folder, const dirent& entry, FindData& item) {
    struct stat info;
    bool link = entry.d_type == DT_LNK;
    if (link) {
        // A dangling link stays itself.
        if (fstatat(folder, entry.d_name, &info, 0) != 0 &&
            fstatat(folder, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
    } else {
        if (fstatat(folder, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) return false;
        // A file system that does not give the entry's type.
        if (S_ISLNK(info.st_mode)) {
            link = true;
            struct stat target;
            if (fstatat(folder, entry.d_name, &target, 0) == 0) info = target;
        }
    }
    const char* name = entry.d_name;
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

// A folder's items and the order in which they are handed out: by the upper-case form of
// the name, then by the name's bytes. The forms are made once per item, and the sort moves
// small slots rather than whole records.
class Listing {
public:
    void add(const FindData& item) {
        slots_.push_back({std::uint32_t(keys_.size()), std::uint32_t(items_.size())});
        for (const char* c = item.name; *c; ++c)
            keys_.push_back(char(upperCp1252(static_cast<unsigned char>(*c))));
        keys_.push_back('\0');
        items_.push_back(item);
    }
    void sort() {
        std::sort(slots_.begin(), slots_.end(), [this](const Slot& a, const Slot& b) {
            int c = std::strcmp(&keys_[a.key], &keys_[b.key]);
            return c != 0 ? c < 0 : std::strcmp(items_[a.item].name, items_[b.item].name) < 0;
        });
    }
    bool next(FindData& item) {
        if (next_ == slots_.size()) return false;
        item = items_[slots_[next_++].item];
        return true;
    }

private:
    struct Slot {
        std::uint32_t key;
        std::uint32_t item;
    };
    std::vector<FindData> items_;
    std::string keys_;
    std::vector<Slot> slots_;
    std::size_t next_ = 0;
};

class PosixDirectorySearch : public DirectorySearch {
public:
    FindResult findFirst(const char* pattern, FindData& item, SearchHandle& handle) override {
        if (std::strlen(pattern) >= kMaxPath) return FindResult::failed;
        std::string path = posixPath(pattern);
        std::size_t cut = path.rfind('/');
        std::string folder = cut == std::string::npos ? "./" : path.substr(0, cut + 1);
        std::string wanted = path.substr(cut == std::string::npos ? 0 : cut + 1);
        bool everyName = wanted == "*" || wanted == "*.*";

        DIR* directory = opendir(folder.c_str());
        if (!directory) return FindResult::failed;
        auto* listing = new Listing;
        while (dirent* entry = readdir(directory)) {
            // A name holding "\" cannot be reached through the program's paths.
            if (std::strlen(entry->d_name) >= kMaxPath || std::strchr(entry->d_name, '\\')) continue;
            if (!everyName && !matches(wanted.c_str(), entry->d_name)) continue;
            FindData found;
            if (!describe(dirfd(directory), *entry, found)) {
                // Readable but not searchable: the folder's items cannot be known.
                closedir(directory);
                delete listing;
                return FindResult::failed;
            }
            listing->add(found);
        }
        closedir(directory);
        listing->sort();
        handle = listing;
        FindResult result = findNext(handle, item);
        if (result != FindResult::found) {
            delete listing;
            handle = nullptr;
        }
        return result;
    }

    FindResult findNext(SearchHandle handle, FindData& item) override {
        return static_cast<Listing*>(handle)->next(item) ? FindResult::found : FindResult::none;
    }

    void findClose(SearchHandle handle) override { delete static_cast<Listing*>(handle); }
};

}  // namespace

DirectorySearch& systemDirectorySearch() {
    static PosixDirectorySearch search;
    return search;
}

}  // namespace evenkeeper
