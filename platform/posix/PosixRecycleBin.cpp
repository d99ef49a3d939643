#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <random>

#include "platform/RecycleBin.h"
#include "platform/posix/Cp1252.h"

namespace evenkeeper {
namespace {

// The folder that holds the user's trash folder: $XDG_DATA_HOME, else ~/.local/share.
std::string dataHome() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/') return data;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.local/share";
}

std::string absolute(const std::string& path) {
    if (!path.empty() && path[0] == '/') return path;
    char here[4096];
    return getcwd(here, sizeof here) ? std::string(here) + "/" + path : path;
}

// The original path as the trash's info file records it: percent-encoded bytes.
std::string encoded(const std::string& path) {
    std::string text;
    for (unsigned char c : path) {
        if (std::isalnum(c) || std::strchr("/-_.~", c)) {
            text += char(c);
        } else {
            char escape[4];
            std::snprintf(escape, sizeof escape, "%%%02X", c);
            text += escape;
        }
    }
    return text;
}

std::string now() {
    std::time_t seconds = std::time(nullptr);
    std::tm local;
    localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

class PosixRecycleBin : public RecycleBin {
public:
    // A rename cannot cross file systems, and copying the file elsewhere would leave a
    // second copy to clean up: only folders on the trash folder's own file system have one.
    bool holds(const char* folder) override {
        struct stat home, own;
        return stat(dataHome().c_str(), &home) == 0 && stat(posixPath(folder).c_str(), &own) == 0 &&
               home.st_dev == own.st_dev;
    }

    std::vector<RecycleFailure> recycle(const std::vector<std::string>& paths) override {
        std::string date = now();
        std::vector<RecycleFailure> failures;
        for (std::size_t i = 0; i < paths.size(); ++i) {
            std::string path = absolute(posixPath(paths[i].c_str()));
            int error = openTrash(false);
            if (!error) error = moveToTrash(path, date);
            // The trash folder may have been removed since it was opened: once more, anew.
            if (error == ENOENT && access(path.c_str(), F_OK) == 0 && !(error = openTrash(true)))
                error = moveToTrash(path, date);
            if (error) failures.push_back({i, std::strerror(error)});
        }
        return failures;
    }

    ~PosixRecycleBin() override { closeTrash(); }

private:
    // The two folders stay open from one call to the next, so that each file is a few calls;
    // they are opened anew when the trash folder's place changes.
    int openTrash(bool anew) {
        std::string trash = dataHome() + "/Trash";
        if (!anew && trash == trash_ && files_ >= 0 && info_ >= 0) return 0;
        closeTrash();
        for (const char* part : {"", "/files", "/info"}) mkdir((trash + part).c_str(), 0700);
        files_ = open((trash + "/files").c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        info_ = open((trash + "/info").c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (files_ < 0 || info_ < 0) return errno;
        trash_ = trash;
        return 0;
    }

    void closeTrash() {
        for (int* fd : {&files_, &info_}) {
            if (*fd >= 0) close(*fd);
            *fd = -1;
        }
        trash_.clear();
    }

    // The info file is made first and exclusively: it claims the name in the trash. Only
    // a rename that replaces nothing moves the file, so a failure leaves it where it was.
    int moveToTrash(const std::string& path, const std::string& deletionDate) {
        std::string base = path.substr(path.find_last_of('/') + 1);
        std::string text = "[Trash Info]\nPath=" + encoded(path) + "\nDeletionDate=" +
                           deletionDate + "\n";
        for (std::string name = base;; name = base + suffix()) {
            std::string info = name + ".trashinfo";
            int fd = openat(info_, info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (fd < 0 && errno == EEXIST) continue;
            if (fd < 0) return errno;
            bool written = write(fd, text.data(), text.size()) == ssize_t(text.size());
            int error = written ? 0 : errno;
            close(fd);
            if (!error &&
                renameat2(AT_FDCWD, path.c_str(), files_, name.c_str(), RENAME_NOREPLACE) != 0)
                error = errno;
            if (!error) return 0;
            unlinkat(info_, info.c_str(), 0);
            if (error != EEXIST) return error;
        }
    }

    std::string suffix() {
        char text[16];
        std::snprintf(text, sizeof text, "-%08x", unsigned(random_()));
        return text;
    }

    std::string trash_;
    int files_ = -1, info_ = -1;
    std::minstd_rand random_{std::random_device{}()};
};

}  // namespace

RecycleBin& systemRecycleBin() {
    static PosixRecycleBin bin;
    return bin;
}

}  // namespace evenkeeper
