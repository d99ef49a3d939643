#pragma once
// The file-open dialog of comdlg32 (GetOpenFileNameA): a filter of description and pattern
// pairs, a filter index and a default extension that every chosen name is given.
#include <windows.h>
#include <commdlg.h>

#include <string>

#include "platform/FileDialog.h"

namespace evenkeeper {

class Win32FileDialog : public FileDialog {
public:
    // filter: each description and pattern ended by a terminator, the list by one more;
    // defaultExtension with or without its dot, empty for none.
    Win32FileDialog(const char* filter, int filterIndex, const char* defaultExtension);
    bool show(WindowHandle owner, char* name, int size, const char* initialFolder) override;

protected:
    // Called with the filled-in parameters just before the dialog opens, so that a derived
    // dialog can change them.
    virtual void adjust(OPENFILENAMEA& parameters);

private:
    const char* filter_;
    int filterIndex_;
    std::string defaultExtension_;  // without its dot
};

}  // namespace evenkeeper
