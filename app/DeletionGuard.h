#pragma once
// Choosing the wrong direction for a Duplicate makes an empty folder the source and plans
// every file of the full one for deletion. Before such a plan runs, the user is asked, and
// told whether the files go to the Recycle Bin or are deleted for good.
#include <string>

#include "engine/FolderScanner.h"
#include "engine/ResultRows.h"
#include "platform/RecycleBin.h"
#include "engine/MessageBoxes.h"

namespace evenkeeper {

// A plan is asked about when it deletes at least this many files of one side and more
// than half of that side's files.
constexpr int kMassDeletionFiles = 10;

// Its Yes destroys files, so No is the button that Enter presses (MB_DEFBUTTON2).
constexpr std::uint32_t kMassDeletionFlags = kYesNoQuestion | 0x100;

// The question to ask before the plan in rows runs, or empty when it may run as it is.
std::string massDeletionQuestion(ResultRows& rows, const FolderScanner& top,
                                 const FolderScanner& bottom, RecycleBin& bin);

// What becomes of deleted files, as the user is told it: whether their folder's drive has a
// Recycle Bin.
const char* whereDeletedFilesGo(bool toBin);

}  // namespace evenkeeper
