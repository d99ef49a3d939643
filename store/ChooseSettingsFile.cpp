#include "store/ChooseSettingsFile.h"

#include <string>

#include "platform/DirectorySearch.h"
#include "store/DataFile.h"

namespace evenkeeper {

void chooseSettingsFile(StoreContext& context, FileDialog& fileDialog) {
    if (context.session.unsavedChanges) {
        int answer = context.storeDialog.ask("Save Sync info?", kMessageCaption, kYesNoCancelQuestion);
        if (answer == kAnswerCancel) return;
        if (answer == kAnswerYes) saveDataFile(context);
    }
    char name[kMaxPath] = "";
    if (!fileDialog.show(context.storeDialog.window(), name, sizeof name,
                         context.session.settingsFilePath.c_str()))
        return;
    context.session.dataFilePath = name;
    if (!loadDataFile(context))
        context.dialog.showMessage((std::string(name) + "\nNot a Evenkeeper data file.").c_str(),
                                   kMessageCaption);
}

}  // namespace evenkeeper
