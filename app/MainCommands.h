#pragma once
// One row of the main dialog's command table: the id, what it does, whether it marks the
// sync operations as changed, and whether it may run while a long step lets messages
// through. The table itself is MainController::kCommands.

namespace evenkeeper {

class MainController;

enum class Marks {
    never,
    always,
    whenChanged,  // when the handler answers that it changed something
};

struct MainCommand {
    int id;
    bool (MainController::*run)();
    Marks marks;
    bool duringLongStep;
};

}  // namespace evenkeeper
