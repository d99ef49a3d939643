#include "app/DeletionGuard.h"

#include "app/RowFiles.h"
#include "engine/NumberText.h"

namespace evenkeeper {

const char* whereDeletedFilesGo(bool toBin) {
    return toBin ? "They go to the Recycle Bin." : "No Recycle Bin there: deleted for good.";
}

std::string massDeletionQuestion(ResultRows& rows, const FolderScanner& top,
                                 const FolderScanner& bottom, RecycleBin& bin) {
    int deletions[2] = {0, 0};
    for (int row = rows.nextRow(-1); row != -1; row = rows.nextRow(row)) {
        const FileEntry* entry = rows.entryAt(row);
        if (entry->toDelete) ++deletions[entry->side == Side::top ? 0 : 1];
    }
    std::string question;
    for (const FolderScanner* side : {&top, &bottom}) {
        int planned = deletions[side == &top ? 0 : 1];
        int files = side->table().count();
        if (planned < kMassDeletionFiles || planned * 2 <= files) continue;
        std::string folder = pathInLines(side->root());
        if (folder.empty() || folder.back() != '\n') folder += '\n';
        question += "This will delete " + groupedNumber(planned) + " of the " +
                    groupedNumber(files) + " files in\n" + folder +
                    whereDeletedFilesGo(bin.holds(side->root().c_str())) + "\n";
    }
    return question.empty() ? question : question + "Do you want to go on?";
}

}  // namespace evenkeeper
