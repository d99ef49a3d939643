// The commands that edit the current sync operation: its folders, levels, operation and
// direction.
#include <cstring>

#include "app/FieldText.h"
#include "app/MainController.h"
#include "app/OperationRules.h"
#include "engine/PathHelpers.h"
#include "platform/Utf8Text.h"

namespace evenkeeper {
namespace {

constexpr char kBrowseTitle[] = "Select the folder you want to synchronize.";
constexpr char kLevelsOutOfRange[] =
    "Folder levels must be between 0 and 16.\n0 means don't look in subfolders.";

}  // namespace

bool MainController::commitTopFolder() { return commitFolder(Field::topFolder, operation().topFolder); }

bool MainController::commitBottomFolder() {
    return commitFolder(Field::bottomFolder, operation().bottomFolder);
}

bool MainController::commitFolder(Field field, char* folder) {
    std::string text = view_.fieldText(field, kFolderFieldLength);
    // The field's read is cut in bytes, which may end inside a letter.
    std::string committed =
        closedFolder(text.substr(0, utf8FitLength(text.data(), text.size(), kFolderFieldLength)));
    if (committed != text) view_.setFieldText(field, committed.c_str());
    if (committed == folder) return true;
    std::strcpy(folder, committed.c_str());
    steps_.invalidatePlan();
    return true;
}

bool MainController::commitLevels() {
    std::int64_t levels = levelsFromField(view_.fieldText(Field::levels, kLevelsFieldLength));
    if (levels < 0 || levels > kMaxLevels) {
        steps_.showMessage(kLevelsOutOfRange, kMessageCaption);
        view_.setFieldText(Field::levels, "16");
        levels = kMaxLevels;
    }
    if (levels == operation().levels) return false;
    operation().levels = std::int32_t(levels);
    return true;
}

// Enter runs Scan, and Escape exits, while a field may still hold text the user has not
// left: it counts as left first, so that what the user sees is what is scanned and saved.
void MainController::commitFocusedField() {
    bool changed = false;
    switch (view_.focusedField()) {
        case Field::topFolder: changed = commitTopFolder(); break;
        case Field::bottomFolder: changed = commitBottomFolder(); break;
        case Field::levels: changed = commitLevels(); break;
        case Field::none: break;
    }
    if (changed) session_.unsavedChanges = true;
}

bool MainController::browseTop() { return browse(Field::topFolder, operation().topFolder); }

bool MainController::browseBottom() { return browse(Field::bottomFolder, operation().bottomFolder); }

bool MainController::browse(Field field, char* folder) {
    std::string picked;
    if (!view_.browseFolder(kBrowseTitle, picked)) return false;
    view_.setFieldText(field, picked.c_str());
    return commitFolder(field, folder);
}

bool MainController::chooseCopy() { return chooseOperation(kCopy); }

bool MainController::chooseMove() { return chooseOperation(kMove); }

bool MainController::chooseDuplicate() { return chooseOperation(kDuplicate); }

bool MainController::chooseOperation(Operation chosen) {
    view_.checkOperation(chosen);
    setOperation(chosen);
    if (chosen == kDuplicate && operation().direction == kBothWays) {
        operation().direction = kTopToBottom;
        showDirectionIcon();
    }
    steps_.recomputePlan();
    return true;
}

bool MainController::cycleDirection() {
    operation().direction = nextDirection(operation().operation, operation().direction);
    showDirectionIcon();
    steps_.recomputePlan();
    return true;
}

bool MainController::showTopToBottom() { return showDirection(kTopToBottom); }

bool MainController::showBottomToTop() { return showDirection(kBottomToTop); }

bool MainController::showBothWays() {
    // The menu grays it for Duplicate, which has no both-ways plan.
    if (operation().operation == kDuplicate) return false;
    return showDirection(kBothWays);
}

bool MainController::showDirection(Direction direction) {
    operation().direction = direction;
    showDirectionIcon();
    steps_.recomputePlan();
    return false;
}

}  // namespace evenkeeper
