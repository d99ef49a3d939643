#pragma once
// What Win32 cannot do under Wine, done on the Unix side: permissions (Wine keeps no
// access-control lists of its own), symbolic links and drive letters.
#include <string>

namespace evenkeeper::test {

// The Unix path Wine maps a Windows path to.
std::string unixPathOf(const std::string& path);
// Runs a Unix shell command and waits until it has succeeded.
void unixCommand(const std::string& shellCommand);

// A second drive letter for a folder, as a substituted drive or a mapped share of a local
// folder makes one: a link in the prefix's dosdevices folder, removed again at the end.
class DriveLetter {
public:
    explicit DriveLetter(const std::string& folder);
    ~DriveLetter();
    DriveLetter(const DriveLetter&) = delete;
    DriveLetter& operator=(const DriveLetter&) = delete;

    // "M:\" or the like.
    const std::string& root() const { return letter_; }

private:
    std::string letter_;
    std::string link_;
};

}  // namespace evenkeeper::test
