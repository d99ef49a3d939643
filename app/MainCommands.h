#pragma once
// One row of the main dialog's command table: the id, what it does, whether it marks the
// sync operations as changed, whether it may run while a long step lets messages through,
// and whether it is an item of a menu. The table itself is MainController::kCommands.

namespace evenkeeper {

class MainController;

enum class Marks {
    never,
    always,
    whenChanged,  // when the handler answers that it changed something
};

// A button or field of the dialog, or an item of the menu bar or the file popup.
enum class Kind { control, menuItem };

struct MainCommand {
    int id;
    bool (MainController::*run)();
    Marks marks;
    bool duringLongStep;
    Kind kind;
};

}  // namespace evenkeeper
