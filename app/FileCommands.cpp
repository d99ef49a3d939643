// The listed files: the popup, opening and deleting one.
#include "app/MainController.h"

namespace evenkeeper {

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
    std::string path = rowFiles_.fullPath(*rows.entryAt(row), operation());
    if (ask(deleteQuestion(path).c_str(), kMessageCaption, kYesNoQuestion) == kAnswerYes &&
        files_.deleteFile(path.c_str()))
        rows.deleteRow(row);
    return false;
}

}  // namespace evenkeeper
