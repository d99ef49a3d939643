#include "app/driver/ChooseWindow.h"

#include <commctrl.h>

#include "app/driver/ProgramFiles.h"
#include "app/driver/ProgramProcess.h"
#include "app/driver/RemoteBuffer.h"
#include "app/driver/Waiting.h"
#include "resources/ResourceIds.h"
#include "support/TimeValues.h"

namespace evenkeeper::driver {

ChooseWindow::ChooseWindow(MainWindow& main) : main_(main.handle()) {
    main.command(IDM_CHOOSE_SYNC);
    waitUntil([&] { return (dialog_ = findProgramWindow(main.processId(), "#32770", main_)) != nullptr; });
    list_ = GetDlgItem(dialog_, IDC_CHOOSE_LIST);
}

LRESULT ChooseWindow::send(UINT message, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(list_, message, wParam, lParam, SMTO_NORMAL, kPatienceMs, &result)) return 0;
    return LRESULT(result);
}

void ChooseWindow::click(int id) { PostMessageA(GetDlgItem(dialog_, id), BM_CLICK, 0, 0); }

void ChooseWindow::pressKey(WPARAM key) {
    PostMessageA(list_, WM_KEYDOWN, key, 1 | LPARAM(MapVirtualKeyA(UINT(key), 0)) << 16);
}

bool ChooseWindow::waitClosed() { return waitUntil([&] { return !IsWindow(dialog_); }); }

int ChooseWindow::rowCount() const { return int(send(LVM_GETITEMCOUNT, 0, 0)); }

int ChooseWindow::selectedRow() const {
    return int(send(LVM_GETNEXTITEM, WPARAM(-1), MAKELPARAM(LVNI_SELECTED, 0)));
}

void ChooseWindow::selectRow(int row) {
    RemoteBuffer room(dialog_, sizeof(LVITEMA));
    LVITEMA item = {};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    room.write(&item, sizeof item);
    send(LVM_SETITEMSTATE, row, room.at());
}

COLORREF ChooseWindow::rowColour(int row) const {
    RemoteBuffer room(dialog_, sizeof(RECT));
    RECT bounds = {LVIR_BOUNDS, 0, 0, 0};
    room.write(&bounds, sizeof bounds);
    if (!send(LVM_GETITEMRECT, row, room.at())) return CLR_INVALID;
    room.read(&bounds, sizeof bounds);
    // Clear of the selection's outline and short of the texts, whether the control starts
    // the drawn item at its bounds or, as Wine's does, two pixels in.
    POINT inside = {bounds.left + 3, (bounds.top + bounds.bottom) / 2};
    ClientToScreen(list_, &inside);
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, inside.x, inside.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

std::string ChooseWindow::caption() const {
    char text[128] = {};
    SendMessageTimeoutA(dialog_, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                        kPatienceMs, nullptr);
    return text;
}

void storeOperations(const std::vector<StoredOperation>& operations, int current) {
    std::string folder = userFolder();
    CreateDirectoryA(folder.substr(0, folder.find_last_of('\\', folder.size() - 2)).c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string text = "[Program Settings]\r\np=Evenkeeper\r\nv=1.0\r\nindex=" + std::to_string(current) + "\r\n";
    char section = 'a';
    for (const StoredOperation& stored : operations)
        text += std::string("[") + section++ + "]\r\n" + stored.top + "\r\n" + stored.bottom +
                "\r\noperation=" + std::to_string(stored.operation) + "\r\ndirection=" +
                std::to_string(stored.direction) + "\r\nlevels=" + std::to_string(stored.levels) +
                "\r\n" + stored.lastUsed + "\r\n";
    HANDLE file = CreateFileA(dataFile().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr);
    FILETIME stamp = {DWORD(test::kBaseTime), DWORD(test::kBaseTime >> 32)};
    SetFileTime(file, nullptr, &stamp, &stamp);
    CloseHandle(file);
}

std::uint64_t lastWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return std::uint64_t(data.ftLastWriteTime.dwHighDateTime) << 32 | data.ftLastWriteTime.dwLowDateTime;
}

}  // namespace evenkeeper::driver
