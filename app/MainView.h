#pragma once
// The main dialog's windows as its controller sees them. The Win32 view makes the calls of
// the real dialog; tests hand in a fake that records them.
#include <cstdint>
#include <string>

#include "app/ListRows.h"
#include "engine/ProgressPort.h"
#include "engine/SyncOperation.h"
#include "framework/layout/LayoutTypes.h"
#include "platform/WindowHandle.h"
#include "store/WindowPlacement.h"

namespace evenkeeper {

enum class Field { none, topFolder, bottomFolder, levels };

// What the set-up measures of the dialog's frame and status bar, in pixels.
struct FrameMetrics {
    int frameThickness = 0;  // (outer width - client width) / 2
    int statusHeight = 0;
    int layoutOffset = 0;    // the status bar's screen x minus the frame thickness
};

class MainView : public MainWindowView {
public:
    // Set-up, in the order the controller calls them.
    virtual void createStatusBar() = 0;
    virtual FrameMetrics measureFrame() = 0;
    virtual void setProgramIcon() = 0;
    virtual void attachControls() = 0;
    virtual void insertColumns(const std::int32_t widths[4]) = 0;
    virtual void loadMenus() = 0;
    virtual void createImageList() = 0;
    virtual void setCaption(const char* text) = 0;

    // Layout: the client area's size, and one batch that moves the status bar and the list.
    virtual Size clientSize() = 0;
    virtual void moveStatusAndList(const Rect& status, const Rect& list) = 0;

    // The fields and buttons.
    virtual void setFieldText(Field field, const char* text) = 0;
    // At most maxLength characters of the field.
    virtual std::string fieldText(Field field, int maxLength) = 0;
    // The field that has the keyboard focus, or Field::none.
    virtual Field focusedField() = 0;
    virtual void checkOperation(Operation operation) = 0;
    virtual void setMiddleLabel(const char* text) = 0;
    virtual void enableMiddleButton(bool enable) = 0;
    virtual void setDirectionIcon(Direction direction) = 0;
    virtual void setStatusText(const char* text) = 0;
    // While a long step runs, the controls that would start or change anything are off and
    // the list is drawn only now and then (drawing it after every row would cost more than
    // the row); the control that had the focus gets it back afterwards.
    virtual void showLongStep(bool running) = 0;
    virtual void enableMenuItem(int command, bool enable) = 0;

    // Windows the dialog opens.
    // The message box owned by the dialog in the colours of its notices; the answer.
    virtual int messageBox(const char* text, const char* caption, std::uint32_t flags) = 0;
    // The folder browser with its title; true with folder (ending in "\") when one was picked.
    virtual bool browseFolder(const char* title, std::string& folder) = 0;
    virtual void openWithShell(const char* path) = 0;
    // The run's log, opened by the shell with the result list as its owner.
    virtual void openLog(const char* path) = 0;
    // The about box owned by the dialog: the program icon, the text's lines and the link.
    virtual void showAboutBox(const char* text, const char* link) = 0;
    // The file popup at a screen position; its command comes back as a command.
    virtual void showFilePopup(int x, int y) = 0;
    // The Results dialog over the dialog, until the user closes it.
    virtual void showResults() = 0;
    // The dialog that chooses a previous sync operation, owned by this one; its result (1
    // when it chose or deleted an operation, 0 when not, -1 when it could not be shown).
    virtual int chooseSyncOperation() = 0;
    virtual void endDialog(int result) = 0;
    virtual WindowHandle window() = 0;

    virtual ListRows& rows() = 0;
    // The progress panel over the result list.
    virtual ProgressPort& progress() = 0;
};

}  // namespace evenkeeper
