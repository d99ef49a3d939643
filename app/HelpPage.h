#pragma once
// The help page in the temporary folder: written and shown on "Program info", deleted when
// the program ends. Its path is fixed when the object is built, before the main dialog
// opens.
#include <functional>
#include <string>

#include "platform/FileSystem.h"

namespace evenkeeper {

class HelpPage {
public:
    // Shows a document with the program the system has for it; the outcome is not reported.
    using Opener = std::function<void(const char* path)>;

    HelpPage(FileSystem& files, Opener open);
    // Deletes the page file, which may never have been written.
    ~HelpPage();
    HelpPage(const HelpPage&) = delete;
    HelpPage& operator=(const HelpPage&) = delete;

    const std::string& path() const { return path_; }
    // Writes the page over whatever the file held and opens it. When the file cannot be
    // written nothing is shown and nothing is said.
    void show();

private:
    bool write();

    FileSystem& files_;
    Opener open_;
    std::string path_;
};

}  // namespace evenkeeper
