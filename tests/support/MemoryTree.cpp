#include "support/MemoryTree.h"

#include <cstring>

namespace evenkeeper::test {
namespace {

std::string parentOf(const std::string& path) {  // "M:\a\b" or "M:\a\b\" -> "M:\a\"
    std::size_t end = path.size() - (path.back() == '\\' ? 2 : 1);
    return path.substr(0, path.rfind('\\', end) + 1);
}

std::string lastName(const std::string& path) {
    std::string trimmed = path.back() == '\\' ? path.substr(0, path.size() - 1) : path;
    return trimmed.substr(trimmed.rfind('\\') + 1);
}

}  // namespace

void MemoryTree::ensureFolder(const std::string& folder) {
    if (folders_.count(folder)) return;
    std::vector<Item>& items = folders_[folder];
    if (folder.find('\\') == folder.size() - 1) return;  // a drive root such as "M:\"
    items.push_back({".", kAttributeDirectory, 0, 0});
    items.push_back({"..", kAttributeDirectory, 0, 0});
    std::string parent = parentOf(folder);
    ensureFolder(parent);
    folders_[parent].push_back({lastName(folder), kAttributeDirectory, 0, 0});
}

void MemoryTree::addFolder(const std::string& path, std::uint32_t attributes) {
    std::string folder = path.back() == '\\' ? path : path + "\\";
    ensureFolder(folder);
    for (Item& item : folders_[parentOf(folder)])
        if (item.name == lastName(folder)) item.attributes = attributes | kAttributeDirectory;
}

void MemoryTree::addFile(const std::string& path, std::uint64_t size, std::uint64_t lastWrite,
                         std::uint32_t attributes) {
    std::string folder = parentOf(path);
    ensureFolder(folder);
    folders_[folder].push_back({lastName(path), attributes, size, lastWrite});
}

void MemoryTree::addItem(const std::string& folder, const std::string& name,
                         std::uint32_t attributes) {
    ensureFolder(folder);
    folders_[folder].push_back({name, attributes, 1, 0});
}

FindResult MemoryTree::findFirst(const char* pattern, FindData& item, SearchHandle& handle) {
    ++searchesMade_;
    std::string text(pattern);
    std::string folder = text.substr(0, text.rfind('\\') + 1);
    std::string wanted = text.substr(folder.size());
    if (wanted != "*" && wanted != "*.*") return FindResult::failed;
    if (failing_.count(folder)) return FindResult::failed;
    auto found = folders_.find(folder);
    if (found == folders_.end()) return FindResult::failed;
    auto* search = new Search{&found->second, 0};
    FindResult result = findNext(search, item);
    if (result != FindResult::found) {
        delete search;
        return result;
    }
    handle = search;
    ++openSearches_;
    return result;
}

FindResult MemoryTree::findNext(SearchHandle handle, FindData& item) {
    auto* search = static_cast<Search*>(handle);
    if (search->next == search->items->size()) return FindResult::none;
    const Item& next = (*search->items)[search->next++];
    item.attributes = next.attributes;
    item.lastWrite = next.lastWrite;
    item.sizeHigh = std::uint32_t(next.size >> 32);
    item.sizeLow = std::uint32_t(next.size);
    std::strncpy(item.name, next.name.c_str(), sizeof item.name - 1);
    item.name[sizeof item.name - 1] = '\0';
    return FindResult::found;
}

void MemoryTree::findClose(SearchHandle handle) {
    delete static_cast<Search*>(handle);
    --openSearches_;
}

}  // namespace evenkeeper::test
