#include "app/driver/MainWindow.h"

#include <commctrl.h>

#include "app/driver/ProgramProcess.h"
#include "app/driver/RemoteBuffer.h"
#include "app/driver/Waiting.h"
#include "resources/ResourceIds.h"

namespace evenkeeper::driver {
namespace {

constexpr int kTextRoom = 512;
constexpr int kColumns = 4;
constexpr int kFirstMark = 30000;

struct ButtonSearch {
    std::string text;
    HWND found;
};

// Compares a button's text with its keyboard mark ("&Yes") taken out.
BOOL CALLBACK matchButton(HWND button, LPARAM data) {
    auto& search = *reinterpret_cast<ButtonSearch*>(data);
    char text[64] = {};
    SendMessageA(button, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    std::string plain;
    for (const char* c = text; *c; ++c)
        if (*c != '&') plain += *c;
    if (lstrcmpiA(plain.c_str(), search.text.c_str()) != 0) return TRUE;
    search.found = button;
    return FALSE;
}

}  // namespace

MainWindow::MainWindow(HWND dialog) : dialog_(dialog) {
    threadId_ = GetWindowThreadProcessId(dialog, &processId_);
}

LRESULT MainWindow::send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kPatienceMs, &result))
        return 0;
    return LRESULT(result);
}

HWND MainWindow::list() const { return control(IDC_RESULT_LIST); }

void MainWindow::typeInto(int field, const std::string& text) {
    PostMessageA(dialog_, WM_NEXTDLGCTL, WPARAM(control(field)), TRUE);
    settle();
    send(control(field), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void MainWindow::enter(int field, const std::string& text) {
    typeInto(field, text);
    PostMessageA(dialog_, WM_NEXTDLGCTL, 0, FALSE);
    settle();
}

void MainWindow::click(int id) { PostMessageA(control(id), BM_CLICK, 0, 0); }

void MainWindow::command(int id) { PostMessageA(dialog_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

HWND MainWindow::focus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId_, &info) ? info.hwndFocus : nullptr;
}

void MainWindow::pressKey(WPARAM key) {
    HWND target = focus() ? focus() : dialog_;
    const LPARAM repeatAndScanCode = 1 | LPARAM(MapVirtualKeyA(UINT(key), 0)) << 16;
    PostMessageA(target, WM_KEYDOWN, key, repeatAndScanCode);
    if (key == VK_RETURN || key == VK_ESCAPE)
        PostMessageA(target, WM_CHAR, key == VK_RETURN ? '\r' : 0x1B, repeatAndScanCode);
}

// The levels field's length limit is the marker: nothing reads it, and a message posted
// after the others is handled after them.
bool MainWindow::settle() {
    const WPARAM mark = kFirstMark + ++marks_;
    PostMessageA(control(IDC_LEVELS), EM_SETLIMITTEXT, mark, 0);
    return waitUntil([&] { return WPARAM(send(control(IDC_LEVELS), EM_GETLIMITTEXT, 0, 0)) == mark; });
}

bool MainWindow::scan() {
    click(IDC_SCAN);
    settle();
    return closeResults() && waitUntil([&] {
        return enabled(IDC_MIDDLE) && enabled(IDC_SCAN) &&
               !findProgramWindow(processId_, "WKWND");
    });
}

// The main dialog's only owned dialog that a scan or "View totals for folders" opens.
HWND MainWindow::waitForResults(unsigned limitMs) const {
    HWND results = nullptr;
    waitUntil([&] { return (results = findProgramWindow(processId_, "#32770", dialog_)) != nullptr; },
              limitMs);
    return results;
}

bool MainWindow::closeResults() {
    HWND results = waitForResults();
    if (!results) return false;
    PostMessageA(GetDlgItem(results, IDCANCEL), BM_CLICK, 0, 0);
    return waitUntil([&] { return !IsWindow(results); });
}

bool MainWindow::runPlan() {
    click(IDC_MIDDLE);
    settle();
    return waitUntil([&] { return !enabled(IDC_MIDDLE) && enabled(IDC_SCAN); });
}

bool MainWindow::boxShown() const { return findProgramWindow(processId_, "CMSGCLASS", dialog_) != nullptr; }

HWND MainWindow::waitForBox() const {
    HWND box = nullptr;
    waitUntil([&] { return (box = findProgramWindow(processId_, "CMSGCLASS", dialog_)) != nullptr; });
    return box;
}

bool MainWindow::answerBox(const char* button) {
    HWND box = waitForBox();
    if (!box) return false;
    ButtonSearch search = {button, nullptr};
    EnumChildWindows(box, matchButton, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return false;
    PostMessageA(search.found, BM_CLICK, 0, 0);
    return waitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
}

HWND MainWindow::openPopup(int row, bool fromKeyboard) {
    RemoteBuffer room(dialog_, sizeof(LVITEMA));
    LVITEMA item = {};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    room.write(&item, sizeof item);
    send(list(), LVM_SETITEMSTATE, row, room.at());
    RECT rect;
    GetWindowRect(list(), &rect);
    const LPARAM middle = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    const LPARAM at = fromKeyboard ? -1 : middle;
    PostMessageA(dialog_, WM_CONTEXTMENU, WPARAM(list()), at);
    HWND menu = nullptr;
    waitUntil([&] { return (menu = findProgramWindow(processId_, "#32768")) != nullptr; });
    return menu;
}

bool MainWindow::chooseDeleteFromPopup(int row) {
    HWND menu = openPopup(row, false);
    if (!menu) return false;
    // The first item, "Delete this file".
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    return waitUntil([&] { return !IsWindowVisible(menu); });
}

RECT MainWindow::rowLabel(int row) const {
    RemoteBuffer room(dialog_, sizeof(RECT));
    RECT label = {LVIR_LABEL, 0, 0, 0};
    room.write(&label, sizeof label);
    send(list(), LVM_GETITEMRECT, row, room.at());
    room.read(&label, sizeof label);
    MapWindowPoints(list(), nullptr, reinterpret_cast<POINT*>(&label), 2);
    return label;
}

void MainWindow::setColumnWidth(int column, int width) { send(list(), LVM_SETCOLUMNWIDTH, column, width); }

std::string MainWindow::text(int id) const {
    char text[kTextRoom] = {};
    send(control(id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string MainWindow::status() const {
    HWND bar = control(IDC_STATUS_BAR);
    RemoteBuffer room(dialog_, kTextRoom);
    if (LOWORD(send(bar, SB_GETTEXTLENGTHA, 0, 0)) >= kTextRoom) return "(too long)";
    send(bar, SB_GETTEXTA, 0, room.at());
    char text[kTextRoom];
    room.read(text, sizeof text);
    text[kTextRoom - 1] = '\0';
    return text;
}

int MainWindow::rowCount() const { return int(send(list(), LVM_GETITEMCOUNT, 0, 0)); }

std::vector<ListedRow> MainWindow::rows() const {
    RemoteBuffer room(dialog_, sizeof(LVITEMA) + kTextRoom);
    std::vector<ListedRow> rows;
    for (int row = 0, count = rowCount(); row < count; ++row) {
        ListedRow listed;
        std::string* texts[kColumns] = {&listed.name, &listed.size, &listed.modified, &listed.path};
        for (int column = 0; column < kColumns; ++column) {
            LVITEMA item = {};
            item.iSubItem = column;
            item.pszText = reinterpret_cast<char*>(room.at(sizeof item));
            item.cchTextMax = kTextRoom;
            room.write(&item, sizeof item);
            send(list(), LVM_GETITEMTEXTA, row, room.at());
            char text[kTextRoom];
            room.read(text, sizeof text, sizeof item);
            text[kTextRoom - 1] = '\0';
            *texts[column] = text;
        }
        LVITEMA item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        room.write(&item, sizeof item);
        send(list(), LVM_GETITEMA, 0, room.at());
        room.read(&item, sizeof item);
        listed.image = item.iImage;
        rows.push_back(listed);
    }
    return rows;
}

std::vector<std::string> MainWindow::names() const {
    std::vector<std::string> names;
    for (const ListedRow& row : rows()) names.push_back(row.name);
    return names;
}

int MainWindow::columnWidth(int column) const { return int(send(list(), LVM_GETCOLUMNWIDTH, column, 0)); }

}  // namespace evenkeeper::driver
