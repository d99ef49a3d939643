#include "MemoryFileSystem.h"

#include <cstring>

namespace evenkeeper::test {
namespace {

std::string parentOf(const std::string& path) {
    std::size_t separator = path.find_last_of('\\');
    return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

}  // namespace

bool MemoryFileSystem::folderExists(std::string path) const {
    if (!path.empty() && path.back() == '\\') path.pop_back();
    return path.empty() || (path.size() == 2 && path[1] == ':') || folders.count(path) == 1;
}

CreateResult MemoryFileSystem::createDirectory(const char* path) {
    if (folderExists(path) || files.count(path)) return CreateResult::alreadyExists;
    if (!folderExists(parentOf(path))) return CreateResult::failed;
    folders.insert(path);
    return CreateResult::created;
}

FileState MemoryFileSystem::fileState(const char* path) {
    auto file = files.find(path);
    return file == files.end() ? FileState{false, 0, 0, false, false}
                               : FileState{true, file->second.size(), 0, false, false};
}

bool MemoryFileSystem::setCurrentDirectory(const char* path) {
    if (!folderExists(path)) return false;
    current_ = path;
    return true;
}

bool MemoryFileSystem::getCurrentDirectory(char* buffer, int size) {
    if (int(current_.size()) >= size) return false;
    std::strcpy(buffer, current_.c_str());
    return true;
}

bool MemoryFileSystem::tempFolder(char* buffer, int size) {
    return getCurrentDirectory(buffer, size);
}

FileHandle MemoryFileSystem::createFile(const char* path) {
    created.push_back(path);
    if (failCreate || !folderExists(parentOf(path))) return nullptr;
    files[path].clear();
    handles_.push_back(std::make_unique<std::string>(path));
    return handles_.back().get();
}

CreateResult MemoryFileSystem::createNewFile(const char* path, FileHandle& file) {
    if (files.count(path)) {
        created.push_back(path);
        return CreateResult::alreadyExists;
    }
    file = createFile(path);
    return file ? CreateResult::created : CreateResult::failed;
}

bool MemoryFileSystem::writeFile(FileHandle file, const void* data, std::uint32_t size) {
    std::string& content = files[*static_cast<std::string*>(file)];
    bool fails = failWriteNumber > 0 && --failWriteNumber == 0;
    content.append(static_cast<const char*>(data), fails ? size / 2 : size);
    return !fails;
}

bool MemoryFileSystem::readWholeFile(const char* path, std::string& content) {
    auto file = files.find(path);
    if (file == files.end()) return false;
    content = file->second;
    return true;
}

ReplaceResult MemoryFileSystem::replaceFile(const char* from, const char* to) {
    auto file = files.find(from);
    if (failReplace || file == files.end()) return ReplaceResult::refused;
    std::string content = std::move(file->second);
    files.erase(file);
    files[to] = std::move(content);
    return ReplaceResult::replaced;
}

}  // namespace evenkeeper::test
