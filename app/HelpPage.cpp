#include "app/HelpPage.h"

#include "app/TempFilePath.h"
#include "resources/HelpPageText.h"

namespace evenkeeper {

HelpPage::HelpPage(FileSystem& files, Opener open)
    : files_(files), open_(std::move(open)), path_(tempFilePath(files, "EvenkeeperHelp.htm")) {}

HelpPage::~HelpPage() { files_.deleteFile(path_.c_str()); }

void HelpPage::show() {
    if (write()) open_(path_.c_str());
}

// The file is created anew every time: a longer page written before must not leave its
// tail behind the new one.
bool HelpPage::write() {
    FileHandle file = files_.createFile(path_.c_str());
    if (!file) return false;
    const std::string& text = helpPageText();
    const bool written = files_.writeFile(file, text.data(), std::uint32_t(text.size()));
    files_.closeFile(file);
    return written;
}

}  // namespace evenkeeper
