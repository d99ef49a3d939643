// The Help menu: the help page, the about box and the maker's page.
#include <string>

#include "app/MainController.h"
#include "resources/ProgramIdentity.h"

namespace evenkeeper {

bool MainController::showProgramInfo() {
    helpPage_.show();
    return false;
}

bool MainController::showAbout() {
    const std::string text = std::string(kProgramVersion) + "\n" + kNoticeLine;
    view_.showAboutBox(text.c_str(), kHomePage);
    return false;
}

bool MainController::checkForUpdates() {
    view_.openWithShell(kHomePage);
    return false;
}

}  // namespace evenkeeper
