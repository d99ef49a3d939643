#pragma once
// The sync operations data file at the session's dataFilePath:
//
//   [Program Settings]
//   p=Evenkeeper         the mark of a data file, from its third character on
//   v=1.0
//   index=1              the position of the current operation
//   [a]                  one section per operation, "a" to "z" by position, six raw lines:
//   C:\Music\              top folder
//   F:\                    bottom folder
//   operation=2            0 Copy, 1 Move, 2 Duplicate
//   direction=0            0 top to bottom, 1 bottom to top, 2 both ways
//   levels=16              0 to 16
//   12/07/26               last used, or "not used"
#include "store/StoreContext.h"

namespace evenkeeper {

// Replaces the store's operations with those of the data file and selects the stored
// current one. A missing, unreadable or empty file gives one blank operation. False when
// the file is not a data file: the store then holds one blank operation and the file is
// never written, so that a file chosen by mistake survives.
bool loadDataFile(StoreContext& context);
// Writes the store to the data file when the session has unsaved changes.
void saveDataFile(StoreContext& context);
// A blank operation at the front, made current; refused with a notice when the store is full.
void newSyncOperation(StoreContext& context);

}  // namespace evenkeeper
