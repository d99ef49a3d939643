#pragma once
// While it lives, the prefix's shell opens web addresses, HTML pages and text files with the
// driver's recorder instead of a browser or an editor, so that a test sees what the program
// asked the shell to open and no browser starts (nor reaches for the network).
#include <string>
#include <vector>

namespace evenkeeper::driver {

class ShellOpens {
public:
    ShellOpens();
    ~ShellOpens();
    ShellOpens(const ShellOpens&) = delete;
    ShellOpens& operator=(const ShellOpens&) = delete;

    // False when the recorder could not be put in place: then a test must not go on, or
    // a real browser would start.
    bool installed() const { return installed_; }
    // What the shell was asked to open so far, in order.
    std::vector<std::string> opened() const;
    // Waits until count documents were opened; false when fewer came in time.
    bool waitFor(std::size_t count) const;

private:
    std::string record_;
    // What the keys held before, put back at the end.
    std::vector<std::string> previousClasses_;
    std::vector<std::string> previousHandlers_;
    bool installed_ = true;
};

}  // namespace evenkeeper::driver
