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
        std::string trash = dataHome() + "/Trash";
        for (const char* part : {"", "/files", "/info"}) mkdir((trash + part).c_str(), 0700);
        // The two folders are opened once for the whole list: each file is then a few calls.
        Folders folders{open((trash + "/files").c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC),
                        open((trash + "/info").c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC), now()};
        int unusable = folders.files < 0 || folders.info < 0 ? errno : 0;
        std::vector<RecycleFailure> failures;
        for (std::size_t i = 0; i < paths.size(); ++i) {
            int error = unusable ? unusable : moveToTrash(folders, absolute(posixPath(paths[i].c_str())));
            if (error) failures.push_back({i, std::strerror(error)});
        }
        for (int fd : {folders.files, folders.info})
            if (fd >= 0) close(fd);
        return failures;
    }

private:
    struct Folders {
        int files, info;
        std::string deletionDate;
    };

    // The info file is made first and exclusively: it claims the name in the trash. Only
    // a rename that replaces nothing moves the file, so a failure leaves it where it was.
    int moveToTrash(const Folders& folders, const std::string& path) {
        std::string base = path.substr(path.find_last_of('/') + 1);
        std::string text = "[Trash Info]\nPath=" + encoded(path) + "\nDeletionDate=" +
                           folders.deletionDate + "\n";
        for (std::string name = base;; name = base + suffix()) {
            std::string info = name + ".trashinfo";
            int fd = openat(folders.info, info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (fd < 0 && errno == EEXIST) continue;
            if (fd < 0) return errno;
            bool written = write(fd, text.data(), text.size()) == ssize_t(text.size());
            int error = written ? 0 : errno;
            close(fd);
            if (!error &&
                renameat2(AT_FDCWD, path.c_str(), folders.files, name.c_str(), RENAME_NOREPLACE) != 0)
                error = errno;
            if (!error) return 0;
            unlinkat(folders.info, info.c_str(), 0);
            if (error != EEXIST) return error;
        }
    }

    std::string suffix() {
        char text[16];
        std::snprintf(text, sizeof text, "-%08x", unsigned(random_()));
        return text;
    }

    std::minstd_rand random_{std::random_device{}()};
};

}  // namespace

RecycleBin& systemRecycleBin() {
    static PosixRecycleBin bin;
    return bin;
}

}  // namespace evenkeeper
