#include "app/win32/Win32MainView.h"

#include <commctrl.h>

#include "app/OperationRules.h"
#include "framework/FolderBrowser.h"
#include "framework/ModuleInstance.h"
#include "platform/Shell.h"
#include "resources/ResourceIds.h"

namespace evenkeeper {
namespace {

constexpr COLORREF kMessageBackground = 0xC0C0C0;
constexpr COLORREF kMessageShadow = 0x808080;
constexpr int kImageSize = 16;
constexpr int kRowIcons[] = {IDI_ROW_COPY_DOWN, IDI_ROW_COPY_UP, IDI_ROW_SIDE_VIEW, IDI_ROW_DELETE};
template <typename Value>
struct ResourceOf {
    Value value;
    int id;
};
constexpr ResourceOf<Operation> kOperationButtons[] = {
    {kCopy, IDC_COPY}, {kMove, IDC_MOVE}, {kDuplicate, IDC_DUPLICATE}};
constexpr ResourceOf<Direction> kDirectionIcons[] = {
    {kTopToBottom, IDI_TOP_TO_BOTTOM}, {kBottomToTop, IDI_BOTTOM_TO_TOP}, {kBothWays, IDI_BOTH_WAYS}};
// What a long step switches off; Exit stays, and the list stays for looking at the rows.
constexpr int kInputs[] = {IDC_TOP_FOLDER, IDC_BOTTOM_FOLDER, IDC_LEVELS,  IDC_BROWSE_TOP,
                           IDC_BROWSE_BOTTOM, IDC_SCAN,      IDC_DIRECTION, IDC_COPY,
                           IDC_MOVE,       IDC_DUPLICATE};

// The id a table gives the value; 0, no resource, for a value it does not hold.
template <typename Value, std::size_t count>
int resourceOf(const ResourceOf<Value> (&table)[count], Value value) {
    for (const ResourceOf<Value>& entry : table)
        if (entry.value == value) return entry.id;
    return 0;
}

HICON programIcon(int id, int size = 0) {
    return static_cast<HICON>(LoadImageA(moduleInstance(), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                         size, size, size ? 0 : LR_DEFAULTSIZE));
}

}  // namespace

Win32MainView::Win32MainView(const Dialog& dialog, const RowFiles& rowFiles,
                             ResultListOwner& listOwner, ProgressWindow& progress,
                             MessageBoxWindow& messages, ResultsDialog& results,
                             ChooseSyncDialog& chooseSync)
    : dialog_(dialog),
      list_(rowFiles, listOwner),
      progress_(progress, list_),
      messages_(messages),
      results_(results),
      chooseSync_(chooseSync) {}

Field Win32MainView::fieldOf(HWND control) const {
    for (Field field : {Field::topFolder, Field::bottomFolder, Field::levels})
        if (control && fieldWindow(field) == control) return field;
    return Field::none;
}

HWND Win32MainView::fieldWindow(Field field) const {
    switch (field) {
        case Field::topFolder: return topField_.handle();
        case Field::bottomFolder: return bottomField_.handle();
        case Field::levels: return levelsField_.handle();
        case Field::none: break;
    }
    return nullptr;
}

void Win32MainView::columnWidths(std::int32_t widths[4]) {
    for (int column = 0; column < 4; ++column) widths[column] = list_.columnWidth(column);
}

void Win32MainView::getWindowPlacement(WindowPlacement& placement) {
    WINDOWPLACEMENT current = {};
    current.length = sizeof current;
    if (!GetWindowPlacement(dialog(), &current)) return;
    placement.flags = current.flags;
    placement.showCmd = current.showCmd;
    const RECT& normal = current.rcNormalPosition;
    placement.normal = {normal.left, normal.top, normal.right, normal.bottom};
}

void Win32MainView::setWindowPlacement(const WindowPlacement& placement) {
    WINDOWPLACEMENT applied = {};
    applied.length = sizeof applied;
    applied.flags = placement.flags;
    applied.showCmd = SW_HIDE;
    const PlacementRect& normal = placement.normal;
    applied.rcNormalPosition = {normal.left, normal.top, normal.right, normal.bottom};
    SetWindowPlacement(dialog(), &applied);
    // A normal window is what the dialog manager shows anyway.
    savedShowState_ = placement.showCmd == SW_SHOWNORMAL ? 0 : placement.showCmd;
}

// Posted, so that it comes after the dialog manager's ShowWindow has returned.
void Win32MainView::dialogShown() {
    if (savedShowState_) PostMessageA(dialog(), kApplyShowStateMessage, 0, 0);
}

void Win32MainView::applySavedShowState() {
    if (savedShowState_) ShowWindow(dialog(), int(savedShowState_));
    savedShowState_ = 0;
}

ScreenMetrics Win32MainView::screenMetrics() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
            GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
}

void Win32MainView::createStatusBar() {
    statusBar_ = CreateStatusWindowA(WS_CHILD | WS_VISIBLE, "", dialog(), IDC_STATUS_BAR);
}

FrameMetrics Win32MainView::measureFrame() {
    RECT outer, client, status;
    GetWindowRect(dialog(), &outer);
    GetClientRect(dialog(), &client);
    GetWindowRect(statusBar_, &status);
    FrameMetrics metrics;
    metrics.frameThickness = ((outer.right - outer.left) - (client.right - client.left)) / 2;
    metrics.statusHeight = status.bottom - status.top;
    metrics.layoutOffset = status.left - metrics.frameThickness;
    return metrics;
}

void Win32MainView::setProgramIcon() {
    SetClassLongPtrA(dialog(), GCLP_HICON, reinterpret_cast<LONG_PTR>(programIcon(IDI_PROGRAM)));
}

void Win32MainView::attachControls() {
    list_.Create(dialog(), IDC_RESULT_LIST, "", 0, 0, 0, 0);
    SendMessageA(list_.handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                 LVS_EX_FULLROWSELECT);
    topField_.Create(dialog(), IDC_TOP_FOLDER, "", 0, 0, 0, 0);
    bottomField_.Create(dialog(), IDC_BOTTOM_FOLDER, "", 0, 0, 0, 0);
    levelsField_.Create(dialog(), IDC_LEVELS, "", 0, 0, 0, 0);
    directionButton_.Create(dialog(), IDC_DIRECTION, "", 0, 0, 0, 0);
    middleButton_.Create(dialog(), IDC_MIDDLE, "", 0, 0, 0, 0);
    addDirectionTip();
}

// The direction button shows only an icon; its tip says the direction in words.
void Win32MainView::addDirectionTip() {
    directionTip_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0,
                                    0, 0, dialog(), nullptr, moduleInstance(), nullptr);
    TOOLINFOA tool = directionTool("");
    tool.uFlags |= TTF_SUBCLASS;
    SendMessageA(directionTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

TOOLINFOA Win32MainView::directionTool(const char* text) const {
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = dialog();
    tool.uId = reinterpret_cast<UINT_PTR>(directionButton_.handle());
    tool.lpszText = const_cast<char*>(text);
    return tool;
}

void Win32MainView::insertColumns(const std::int32_t widths[4]) { list_.insertColumns(widths); }

void Win32MainView::loadMenus() {
    mainMenu_ = LoadMenuA(moduleInstance(), MAKEINTRESOURCEA(IDR_MAIN_MENU));
    SetMenu(dialog(), mainMenu_);
    popupMenu_ = LoadMenuA(moduleInstance(), MAKEINTRESOURCEA(IDR_POPUP_MENU));
}

void Win32MainView::createImageList() {
    imageList_ = ImageList_Create(kImageSize, kImageSize, ILC_COLOR32 | ILC_MASK,
                                  int(std::size(kRowIcons)), 0);
    for (int id : kRowIcons) ImageList_ReplaceIcon(imageList_, -1, programIcon(id, kImageSize));
    SendMessageA(list_.handle(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(imageList_));
}

void Win32MainView::setCaption(const char* text) { SetWindowTextA(dialog(), text); }

Size Win32MainView::clientSize() {
    RECT client;
    GetClientRect(dialog(), &client);
    return {client.right - client.left, client.bottom - client.top};
}

void Win32MainView::moveStatusAndList(const Rect& status, const Rect& list) {
    // Both are drawn anew: the status bar's old pixels, copied down to its new place while
    // the frame is dragged larger, were found blank under Wine, and only the strip it gained
    // was painted.
    constexpr UINT kFlags = SWP_NOZORDER | SWP_SHOWWINDOW | SWP_NOCOPYBITS;
    HDWP batch = BeginDeferWindowPos(2);
    batch = DeferWindowPos(batch, statusBar_, nullptr, status.left, status.top,
                           status.right - status.left, status.bottom - status.top, kFlags);
    batch = DeferWindowPos(batch, list_.handle(), nullptr, list.left, list.top,
                           list.right - list.left, list.bottom - list.top, kFlags);
    EndDeferWindowPos(batch);
}

void Win32MainView::setFieldText(Field field, const char* text) {
    SetWindowTextA(fieldWindow(field), text);
}

std::string Win32MainView::fieldText(Field field, int maxLength) {
    std::string text(std::size_t(maxLength) + 1, '\0');
    int length = GetWindowTextA(fieldWindow(field), &text[0], maxLength + 1);
    text.resize(std::size_t(length > 0 ? length : 0));
    return text;
}

Field Win32MainView::focusedField() { return fieldOf(GetFocus()); }

void Win32MainView::checkOperation(Operation operation) {
    CheckRadioButton(dialog(), IDC_COPY, IDC_DUPLICATE, resourceOf(kOperationButtons, operation));
}

void Win32MainView::setMiddleLabel(const char* text) { SetWindowTextA(middleButton_.handle(), text); }

void Win32MainView::enableMiddleButton(bool enable) { EnableWindow(middleButton_.handle(), enable); }

void Win32MainView::setDirectionIcon(Direction direction) {
    SendMessageA(directionButton_.handle(), BM_SETIMAGE, IMAGE_ICON,
                 reinterpret_cast<LPARAM>(LoadIconA(
                     moduleInstance(), MAKEINTRESOURCEA(resourceOf(kDirectionIcons, direction)))));
    TOOLINFOA tool = directionTool(directionName(direction));
    SendMessageA(directionTip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32MainView::setStatusText(const char* text) {
    SendMessageA(statusBar_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
}

void Win32MainView::showLongStep(bool running) {
    list_.holdDrawing(running);
    if (running) focusBeforeStep_ = GetFocus();
    for (int id : kInputs) EnableWindow(GetDlgItem(dialog(), id), !running);
    if (running) return;
    // Switching a control off took the focus away; the keyboard gets it back.
    HWND focus = focusBeforeStep_ && IsWindow(focusBeforeStep_) && IsWindowEnabled(focusBeforeStep_)
                     ? focusBeforeStep_
                     : GetDlgItem(dialog(), IDC_SCAN);
    if (GetActiveWindow() == dialog()) SetFocus(focus);
}

void Win32MainView::enableMenuItem(int command, bool enable) {
    EnableMenuItem(mainMenu_, UINT(command), MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
}

// A box in the middle of a long step waits for the user; meanwhile the list shows what the
// step has done so far (after a scan, the plan the notice is about).
int Win32MainView::messageBox(const char* text, const char* caption, std::uint32_t flags) {
    bool held = list_.drawingHeld();
    if (held) list_.holdDrawing(false);
    int answer = messages_.Show(dialog(), text, caption, flags, 0, 0, kMessageBackground, kMessageShadow);
    if (held) list_.holdDrawing(true);
    return answer;
}

bool Win32MainView::browseFolder(const char* title, std::string& folder) {
    FolderBrowser browser(dialog());
    lstrcpynA(browser.title(), title, FolderBrowser::kBufferSize);
    if (!browser.Browse()) return false;
    folder = browser.path();
    return true;
}

void Win32MainView::openWithShell(const char* path) { evenkeeper::openWithShell(dialog(), path); }
void Win32MainView::openLog(const char* path) { evenkeeper::openWithShell(list_.handle(), path); }

void Win32MainView::showAboutBox(const char* text, const char* link) {
    about_.Show(dialog(), text, link, 0, IDI_PROGRAM, 0, kMessageBackground, kMessageShadow);
}

void Win32MainView::showFilePopup(int x, int y) {
    TrackPopupMenu(GetSubMenu(popupMenu_, 0), TPM_RIGHTBUTTON, x, y, 0, dialog(), nullptr);
}

void Win32MainView::showResults() { results_.Show(dialog()); }
int Win32MainView::chooseSyncOperation() { return chooseSync_.run(dialog()); }

void Win32MainView::endDialog(int result) { EndDialog(dialog(), result); }

WindowHandle Win32MainView::window() { return dialog(); }

}  // namespace evenkeeper
