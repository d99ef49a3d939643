// The listed files: the popup, opening and deleting one.
#include "app/MainController.h"

namespace evenkeeper {
namespace {

// To the Recycle Bin where the folder's drive has one; a file the bin refuses stays.
bool removeFile(RecycleBin& bin, FileSystem& files, const char* folder, const std::string& path) {
    return bin.holds(folder) ? bin.recycle({path}).empty() : files.deleteFile(path.c_str());
}

}  // namespace

// During a long step the rows move under the list's selection, so it names no file.
void MainController::contextMenu(int x, int y) {
    if (!busy() && view_.rows().selectedRow() != -1) view_.showFilePopup(x, y);
}

void MainController::openSelectedFile() {
    if (busy()) return;
    ListRows& rows = view_.rows();
    int row = rows.selectedRow();
    if (row == -1) return;
    view_.openWithShell(rowFiles_.fullPath(*rows.entryAt(row), operation()).c_str());
}

bool MainController::deleteSelectedFile() {
    ListRows& rows = view_.rows();
    int row = rows.selectedRow();
    if (row == -1) return false;
    const FileEntry& entry = *rows.entryAt(row);
    std::string path = rowFiles_.fullPath(entry, operation());
    const char* folder = entry.side == Side::top ? operation().topFolder : operation().bottomFolder;
    if (ask(deleteQuestion(path).c_str(), kMessageCaption, kYesNoQuestion) == kAnswerYes &&
        removeFile(bin_, files_, folder, path))
        rows.deleteRow(row);
    return false;
}

}  // namespace evenkeeper
