#pragma once
// A real folder tree in the temporary folder, removed again at the end of the test.
// Relative paths use "\" on both platforms.
#include <cstdint>
#include <string>
#include <vector>

namespace evenkeeper::test {

class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // The tree's root as the program writes folders: ending in the separator.
    const std::string& root() const { return root_; }
    std::string path(const std::string& relative) const { return root_ + relative; }

    void folder(const std::string& relative);
    // A file of size bytes (sparse where the file system allows) with a last-write time in
    // 100 ns units since 1601; folders above it are made.
    void file(const std::string& relative, std::uint64_t size, std::uint64_t lastWrite);
    void file(const std::string& relative, const std::string& content, std::uint64_t lastWrite);
    bool exists(const std::string& relative) const;
    std::string read(const std::string& relative) const;
    std::uint64_t lastWrite(const std::string& relative) const;
    // Windows attributes (hidden, system, read-only); where the platform has no such
    // attribute only read-only is applied.
    void setAttributes(const std::string& relative, std::uint32_t attributes);
    // A symbolic link to a folder or a file; target is taken as it stands, relative to the
    // link's folder ("." or "..\outside") or a full path. Removing the tree removes the link
    // only.
    void link(const std::string& relative, const std::string& target);
    // Takes every permission away from a folder, so that an unprivileged user cannot list it.
    void makeUnreadable(const std::string& relative);
    // Lets a folder be read but not written, so that an unprivileged user can write the
    // files in it but make no new one.
    void forbidNewFiles(const std::string& relative);

private:
    // Gives a folder the Unix permission bits mode until the end of the test.
    void lockFolder(const std::string& relative, int mode);

    std::string root_;
    std::vector<std::string> locked_;  // opened again at the end
    std::vector<std::string> links_;   // removed first where the tree's removal would follow them
};

// Whether this process ignores permissions (root, or Wine run by root), so that an
// unreadable folder or a read-only file does not stop it.
bool runningPrivileged();

}  // namespace evenkeeper::test
