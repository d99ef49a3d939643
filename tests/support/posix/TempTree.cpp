#include "support/TempTree.h"

#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/posix/Cp1252.h"

namespace evenkeeper::test {
namespace {

constexpr std::uint64_t kUnixEpochInFileTime = 116444736000000000ULL;

timespec toTimespec(std::uint64_t fileTime) {
    std::uint64_t units = fileTime - kUnixEpochInFileTime;
    return {time_t(units / 10000000), long(units % 10000000) * 100};
}

void makeParents(const std::string& path) {
    for (std::size_t at = path.find('/', 1); at != std::string::npos; at = path.find('/', at + 1))
        mkdir(path.substr(0, at).c_str(), 0755);
}

int removeItem(const char* path, const struct stat*, int type, FTW*) {
    if (type == FTW_DP || type == FTW_D || type == FTW_DNR) rmdir(path);
    else unlink(path);
    return 0;
}

void check(bool ok, const std::string& what) {
    if (!ok) throw std::runtime_error("TempTree: " + what);
}

void setTime(const std::string& path, std::uint64_t lastWrite) {
    timespec times[2] = {toTimespec(lastWrite), toTimespec(lastWrite)};
    check(utimensat(AT_FDCWD, path.c_str(), times, 0) == 0, "cannot set the time of " + path);
}

}  // namespace

TempTree::TempTree() {
    static std::atomic<int> counter{0};
    const char* base = std::getenv("TMPDIR");
    std::ostringstream name;
    name << (base && *base ? base : "/tmp") << "/evk-" << getpid() << "-" << counter++ << "/";
    root_ = name.str();
    check(mkdir(root_.c_str(), 0755) == 0, "cannot create " + root_);
}

TempTree::~TempTree() {
    for (const std::string& folder : locked_) chmod(folder.c_str(), 0755);
    nftw(root_.c_str(), removeItem, 16, FTW_DEPTH | FTW_PHYS);
}

void TempTree::folder(const std::string& relative) {
    makeParents(posixPath(path(relative + "\\").c_str()));
}

void TempTree::file(const std::string& relative, std::uint64_t size, std::uint64_t lastWrite) {
    std::string target = posixPath(path(relative).c_str());
    makeParents(target);
    int fd = open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    check(fd >= 0, "cannot create " + target);
    check(ftruncate(fd, off_t(size)) == 0, "cannot size " + target);
    close(fd);
    setTime(target, lastWrite);
}

void TempTree::file(const std::string& relative, const std::string& content,
                    std::uint64_t lastWrite) {
    std::string target = posixPath(path(relative).c_str());
    makeParents(target);
    {
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        check(bool(out << content), "cannot write " + target);
    }
    setTime(target, lastWrite);
}

bool TempTree::exists(const std::string& relative) const {
    struct stat info;
    return lstat(posixPath(path(relative).c_str()).c_str(), &info) == 0;
}

std::string TempTree::read(const std::string& relative) const {
    std::ifstream in(posixPath(path(relative).c_str()), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::uint64_t TempTree::lastWrite(const std::string& relative) const {
    struct stat info;
    std::string target = posixPath(path(relative).c_str());
    check(stat(target.c_str(), &info) == 0, "cannot stat " + target);
    return kUnixEpochInFileTime + std::uint64_t(info.st_mtim.tv_sec) * 10000000ULL +
           std::uint64_t(info.st_mtim.tv_nsec) / 100;
}

void TempTree::setAttributes(const std::string& relative, std::uint32_t attributes) {
    std::string target = posixPath(path(relative).c_str());
    struct stat info;
    check(stat(target.c_str(), &info) == 0, "cannot stat " + target);
    mode_t mode = info.st_mode & 07777;
    mode = (attributes & 0x01) ? mode & ~mode_t(0222) : mode | S_IWUSR;
    check(chmod(target.c_str(), mode) == 0, "cannot chmod " + target);
}

void TempTree::link(const std::string& relative, const std::string& target) {
    std::string link = posixPath(path(relative).c_str());
    makeParents(link);
    check(symlink(posixPath(target.c_str()).c_str(), link.c_str()) == 0, "cannot link " + link);
}

void TempTree::makeUnreadable(const std::string& relative) { lockFolder(relative, 0); }
void TempTree::forbidNewFiles(const std::string& relative) { lockFolder(relative, 0555); }

void TempTree::lockFolder(const std::string& relative, int mode) {
    std::string target = posixPath(path(relative).c_str());
    check(chmod(target.c_str(), mode_t(mode)) == 0, "cannot chmod " + target);
    locked_.push_back(target);
}

bool runningPrivileged() { return geteuid() == 0; }

}  // namespace evenkeeper::test
