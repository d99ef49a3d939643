#pragma once
// The shell's folder-browse dialog, for one command: the caller fills the title, Browse
// lets the user pick a folder, and its path then ends in "\".
#include <windows.h>
#include <shlobj.h>

namespace evenkeeper {

class FolderBrowser {
public:
    static constexpr int kBufferSize = MAX_PATH;

    explicit FolderBrowser(HWND owner);
    FolderBrowser(const FolderBrowser&) = delete;
    FolderBrowser& operator=(const FolderBrowser&) = delete;

    // 1 when the user chose a folder with a file-system path that fits the path buffer
    // with its trailing backslash; 0 after Cancel, leaving the path unusable.
    int Browse();

    const char* path() const { return path_; }
    // The instruction line above the folder tree, up to kBufferSize with the terminator.
    char* title() { return title_; }

private:
    char path_[kBufferSize] = {};
    char title_[kBufferSize] = {};
    BROWSEINFOA description_ = {};
};

}  // namespace evenkeeper
