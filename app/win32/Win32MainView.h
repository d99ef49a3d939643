#pragma once
// The main dialog's windows: the calls of the real dialog behind the controller's view.
#include "app/MainView.h"
#include "app/win32/ChooseSyncDialog.h"
#include "app/win32/ProgressOverList.h"
#include "app/win32/ResultList.h"
#include "app/win32/ResultsDialog.h"
#include "framework/AboutBoxWindow.h"
#include "framework/ButtonControl.h"
#include "framework/Dialog.h"
#include "framework/EditControl.h"
#include "framework/MessageBoxWindow.h"

namespace evenkeeper {

class Win32MainView : public MainView {
public:
    Win32MainView(const Dialog& dialog, const RowFiles& rowFiles, ResultListOwner& listOwner,
                  ProgressWindow& progress, MessageBoxWindow& messages, ResultsDialog& results,
                  ChooseSyncDialog& chooseSync);

    // Which field a control window is, or Field::none.
    Field fieldOf(HWND control) const;
    // The dialog manager shows the dialog, made hidden, in the normal state once its queue
    // is first empty; the saved show state is applied after that first showing.
    static constexpr UINT kApplyShowStateMessage = WM_APP + 1;
    void dialogShown();
    void applySavedShowState();
    // Where the file popup opens when the keyboard asked for it.
    POINT keyboardPopupPoint() { return list_.keyboardPopupPoint(); }

    void columnWidths(std::int32_t widths[4]) override;
    void getWindowPlacement(WindowPlacement& placement) override;
    void setWindowPlacement(const WindowPlacement& placement) override;
    ScreenMetrics screenMetrics() override;

    void createStatusBar() override;
    FrameMetrics measureFrame() override;
    void setProgramIcon() override;
    void attachControls() override;
    void insertColumns(const std::int32_t widths[4]) override;
    void loadMenus() override;
    void createImageList() override;
    void setCaption(const char* text) override;
    Size clientSize() override;
    void moveStatusAndList(const Rect& status, const Rect& list) override;

    void setFieldText(Field field, const char* text) override;
    std::string fieldText(Field field, int maxLength) override;
    Field focusedField() override;
    void checkOperation(Operation operation) override;
    void setMiddleLabel(const char* text) override;
    void enableMiddleButton(bool enable) override;
    void setDirectionIcon(Direction direction) override;
    void setStatusText(const char* text) override;
    void showLongStep(bool running) override;
    void enableMenuItem(int command, bool enable) override;

    int messageBox(const char* text, const char* caption, std::uint32_t flags) override;
    bool browseFolder(const char* title, std::string& folder) override;
    void openWithShell(const char* path) override;
    void openLog(const char* path) override;
    void showAboutBox(const char* text, const char* link) override;
    void showFilePopup(int x, int y) override;
    void showResults() override;
    int chooseSyncOperation() override;
    void endDialog(int result) override;
    WindowHandle window() override;

    ListRows& rows() override { return list_; }
    ProgressPort& progress() override { return progress_; }

private:
    HWND dialog() const { return dialog_.handle(); }
    HWND fieldWindow(Field field) const;
    void addDirectionTip();
    TOOLINFOA directionTool(const char* text) const;

    const Dialog& dialog_;
    ResultList list_;
    EditControl topField_;
    EditControl bottomField_;
    EditControl levelsField_;
    ButtonControl directionButton_;
    ButtonControl middleButton_;
    ProgressOverList progress_;
    MessageBoxWindow& messages_;
    ResultsDialog& results_;
    ChooseSyncDialog& chooseSync_;
    AboutBoxWindow about_;  // lives with the dialog, so for the whole run
    HWND statusBar_ = nullptr;
    HWND directionTip_ = nullptr;
    HMENU mainMenu_ = nullptr;
    HMENU popupMenu_ = nullptr;
    HIMAGELIST imageList_ = nullptr;
    HWND focusBeforeStep_ = nullptr;
    UINT savedShowState_ = 0;  // 0: none waits for the first showing
};

}  // namespace evenkeeper
