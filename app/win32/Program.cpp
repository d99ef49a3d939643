#include "app/win32/Program.h"

#include <commctrl.h>

#include "framework/ModuleInstance.h"
#include "platform/Clock.h"
#include "platform/DirectorySearch.h"
#include "platform/FileSystem.h"
#include "platform/MessagePump.h"
#include "platform/Shell.h"
#include "platform/UserFolders.h"
#include "resources/ResourceIds.h"
#include "store/ChooseSettingsFile.h"

namespace evenkeeper {
// The main dialog comes first; it keeps references to the objects built after it and uses
// them only once it runs.
Program::Program()
    : pump_(systemMessagePump()),
      mainDialog_(services(), progress_, messageBox_, results_, chooseSync_),
      results_(mainDialog_.controller().session(), top_, bottom_),
      top_(scannerServices()),
      bottom_(scannerServices()),
      rowFiles_(top_, bottom_, systemClock()),
      fileDialog_(kDataFileFilter, kDataFileFilterIndex, kDataFileExtension),
      chooseSync_(store_, mainDialog_.controller().session(), mainDialog_.controller()),
      helpPage_(systemFileSystem(), [](const char* path) { openWithShell(nullptr, path); }) {}

MainServices Program::services() {
    return {top_, bottom_, store_, systemFileSystem(), systemRecycleBin(), systemTextCompare(), pump_,
            systemClock(), systemUserFolders(), fileDialog_, helpPage_, rowFiles_};
}

ScannerServices Program::scannerServices() {
    return {systemDirectorySearch(), systemTextCompare(), mainDialog_.controller().engineDialog(), pump_};
}

int Program::run(HINSTANCE instance) {
    if (!instance_.claim()) return 0;
    setModuleInstance(instance);
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    INT_PTR result = mainDialog_.RunModal(nullptr, IDD_MAIN);
    return result != 0 && result != -1 ? 1 : 0;
}

}  // namespace evenkeeper
