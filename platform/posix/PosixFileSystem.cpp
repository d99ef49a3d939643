#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/DirectorySearch.h"
#include "platform/FileSystem.h"
#include "platform/posix/Cp1252.h"

namespace evenkeeper {
namespace {

constexpr std::uint64_t kUnixEpochInFileTime = 116444736000000000ULL;

CopyResult copyFailure(int error) {
    switch (error) {
        case EACCES:
        case EPERM: return {CopyOutcome::accessDenied, std::uint32_t(error)};
        case ENOSPC:
        case EDQUOT: return {CopyOutcome::diskFull, std::uint32_t(error)};
        case EEXIST: return {CopyOutcome::exists, std::uint32_t(error)};
        default: return {CopyOutcome::failed, std::uint32_t(error)};
    }
}

// The size bytes of in that its fstat saw, to out: in the kernel where it can, else through
// a buffer. Bytes written to in since then come with a newer time, which the next scan
// copies; reading on to find the end would cost a call for every file.
bool copyData(int in, int out, std::uint64_t size) {
    while (size > 0) {
        ssize_t copied = copy_file_range(in, nullptr, out, nullptr, std::min<std::uint64_t>(size, 1 << 30), 0);
        if (copied == 0) return true;
        if (copied > 0) {
            size -= std::uint64_t(copied);
            continue;
        }
        if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP) return false;
        break;
    }
    static thread_local char buffer[1 << 18];
    while (size > 0) {
        ssize_t got = read(in, buffer, std::min<std::uint64_t>(size, sizeof buffer));
        if (got == 0) return true;
        if (got < 0) return false;
        size -= std::uint64_t(got);
        for (ssize_t done = 0; done < got;) {
            ssize_t written = write(out, buffer + done, std::size_t(got - done));
            if (written < 0) return false;
            done += written;
        }
    }
    return true;
}

int toFd(FileHandle file) { return int(reinterpret_cast<std::intptr_t>(file)) - 1; }
FileHandle toHandle(int fd) { return reinterpret_cast<FileHandle>(std::intptr_t(fd) + 1); }

bool ownedAs(const std::string& path, const struct stat& old) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && info.st_uid == old.st_uid && info.st_gid == old.st_gid;
}

class PosixFileSystem : public FileSystem {
public:
    CopyResult copyToNewFile(const char* source, const char* destination) override {
        int in = open(posixPath(source).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (in < 0) return errno == ELOOP ? CopyResult{CopyOutcome::link, ELOOP} : copyFailure(errno);
        struct stat info;
        int statError = fstat(in, &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
        if (statError) {
            close(in);
            return copyFailure(statError);
        }
        int out = open(posixPath(destination).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                       (info.st_mode & 07777) | S_IWUSR);
        if (out < 0) {
            int error = errno;
            close(in);
            return copyFailure(error);
        }
        bool ok = copyData(in, out, std::uint64_t(info.st_size));
        int error = errno;
        close(in);
        if (!ok) {
            close(out);
            return copyFailure(error);
        }
        // Windows copies the last-write time and the attributes with the data. The data is
        // written by now, so a failure here is no refusal of access but a failed copy.
        timespec times[2] = {info.st_atim, info.st_mtim};
        ok = futimens(out, times) == 0 && fchmod(out, info.st_mode & 07777) == 0;
        error = errno;
        if (close(out) != 0 && ok) {
            ok = false;
            error = errno;
        }
        if (ok) return {CopyOutcome::copied, 0};
        bool full = error == ENOSPC || error == EDQUOT;
        return {full ? CopyOutcome::diskFull : CopyOutcome::failed, std::uint32_t(error)};
    }

    // A file system that cannot refuse an existing name in the rename itself is asked first.
    CopyResult renameToNew(const char* from, const char* to) override {
        std::string source = posixPath(from), target = posixPath(to);
        if (renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
            return {CopyOutcome::copied, 0};
        if (errno != EINVAL && errno != ENOSYS) return copyFailure(errno);
        struct stat old;
        if (lstat(target.c_str(), &old) == 0) return {CopyOutcome::exists, std::uint32_t(EEXIST)};
        if (rename(source.c_str(), target.c_str()) == 0) return {CopyOutcome::copied, 0};
        return copyFailure(errno);
    }

    // rename alone would replace a file without write permission, which stands for a
    // read-only file that Windows refuses to replace.
    CopyResult renameOver(const char* from, const char* to) override {
        std::string target = posixPath(to);
        struct stat old;
        if (lstat(target.c_str(), &old) == 0 &&
            (S_ISDIR(old.st_mode) || (S_ISREG(old.st_mode) && !(old.st_mode & S_IWUSR))))
            return {CopyOutcome::accessDenied, std::uint32_t(EACCES)};
        if (rename(posixPath(from).c_str(), target.c_str()) == 0) return {CopyOutcome::copied, 0};
        return copyFailure(errno);
    }

    // A file without write permission stands for a read-only file, which Windows does not
    // delete.
    bool deleteFile(const char* path) override {
        std::string target = posixPath(path);
        struct stat info;
        if (lstat(target.c_str(), &info) == 0 && !S_ISLNK(info.st_mode) && !(info.st_mode & S_IWUSR)) {
            errno = EACCES;
            return false;
        }
        return unlink(target.c_str()) == 0;
    }
    std::uint32_t lastError() override { return std::uint32_t(errno); }
    bool removeDirectory(const char* path) override { return rmdir(posixPath(path).c_str()) == 0; }
    bool setAttributes(const char* path, std::uint32_t attributes) override {
        std::string target = posixPath(path);
        struct stat info;
        if (stat(target.c_str(), &info) != 0) return false;
        mode_t mode = info.st_mode & 07777;
        mode = (attributes & kAttributeReadOnly) ? mode & ~mode_t(0222) : mode | S_IWUSR;
        return chmod(target.c_str(), mode) == 0;
    }
    CreateResult createDirectory(const char* path) override {
        if (mkdir(posixPath(path).c_str(), 0777) == 0) return CreateResult::created;
        return errno == EEXIST ? CreateResult::alreadyExists : CreateResult::failed;
    }
    // Names are told apart by case here, so the path's own name is the one on the disk.
    std::string nameOnDisk(const char* path) override { return lastName(path); }
    // One lstat for what is not a link, which is nearly everything.
    FileState fileState(const char* path) override {
        std::string target = posixPath(path);
        struct stat info;
        if (lstat(target.c_str(), &info) != 0) return {false, 0, 0, false, false};
        bool link = S_ISLNK(info.st_mode);
        if (link && stat(target.c_str(), &info) != 0) return {false, 0, 0, false, true};
        return {true, std::uint64_t(info.st_size),
                kUnixEpochInFileTime + std::uint64_t(info.st_mtim.tv_sec) * 10000000ULL +
                    std::uint64_t(info.st_mtim.tv_nsec) / 100,
                S_ISDIR(info.st_mode), link};
    }

    bool setCurrentDirectory(const char* path) override { return chdir(posixPath(path).c_str()) == 0; }
    bool getCurrentDirectory(char* buffer, int size) override {
        return getcwd(buffer, std::size_t(size)) != nullptr;
    }
    bool tempFolder(char* buffer, int size) override {
        const char* base = std::getenv("TMPDIR");
        std::string folder = base && *base ? base : "/tmp";
        if (folder.back() != '/') folder += '/';
        if (int(folder.size()) >= size) return false;
        std::strcpy(buffer, folder.c_str());
        return true;
    }

    FileHandle createFile(const char* path) override {
        int fd = open(posixPath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        return fd < 0 ? nullptr : toHandle(fd);
    }
    CreateResult createNewFile(const char* path, FileHandle& file) override {
        int fd = open(posixPath(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) return errno == EEXIST ? CreateResult::alreadyExists : CreateResult::failed;
        file = toHandle(fd);
        return CreateResult::created;
    }
    bool writeFile(FileHandle file, const void* data, std::uint32_t size) override {
        const char* bytes = static_cast<const char*>(data);
        for (std::uint32_t done = 0; done < size;) {
            ssize_t written = write(toFd(file), bytes + done, size - done);
            if (written < 0) return false;
            done += std::uint32_t(written);
        }
        return true;
    }
    void closeFile(FileHandle file) override { close(toFd(file)); }

    bool readWholeFile(const char* path, std::string& content) override {
        int fd = open(posixPath(path).c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return false;
        content.clear();
        char buffer[65536];
        ssize_t got;
        while ((got = read(fd, buffer, sizeof buffer)) > 0) content.append(buffer, std::size_t(got));
        close(fd);
        return got == 0;
    }

    // rename alone would replace a file without write permission and give the new content
    // the mode, owner and links of a new file.
    ReplaceResult replaceFile(const char* from, const char* to) override {
        std::string source = posixPath(from), target = posixPath(to);
        struct stat old;
        if (lstat(target.c_str(), &old) != 0) {
            if (errno != ENOENT) return ReplaceResult::refused;
        } else if (S_ISLNK(old.st_mode) || (S_ISREG(old.st_mode) && old.st_nlink > 1)) {
            return ReplaceResult::onlyInPlace;
        } else if (!S_ISREG(old.st_mode) ||
                   faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
            return ReplaceResult::refused;
        } else if (!ownedAs(source, old) && chown(source.c_str(), old.st_uid, old.st_gid) != 0) {
            return ReplaceResult::onlyInPlace;
        } else if (chmod(source.c_str(), old.st_mode & 07777) != 0) {
            return ReplaceResult::refused;
        }
        if (rename(source.c_str(), target.c_str()) == 0) return ReplaceResult::replaced;
        chmod(source.c_str(), 0600);  // deleteFile would refuse it without write permission
        return ReplaceResult::refused;
    }

    std::string errorText(std::uint32_t error) override { return std::strerror(int(error)); }
};

}  // namespace

FileSystem& systemFileSystem() {
    static PosixFileSystem files;
    return files;
}

}  // namespace evenkeeper
