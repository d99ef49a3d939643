#pragma once
// The File menu's "Choose a Evenkeeper settings file": switches to another data file.
#include "platform/FileDialog.h"
#include "store/StoreContext.h"

namespace evenkeeper {

// The file dialog to hand in: its filter (description and pattern, each terminated, and the
// list ended by one more terminator), filter index and default extension.
constexpr char kDataFileFilter[] = "Evenkeeper settings file (*.txt)\0*.TXT\0";
constexpr int kDataFileFilterIndex = 1;
constexpr char kDataFileExtension[] = ".txt";

// Offers to save unsaved changes first, lets the user choose a file and loads it.
void chooseSettingsFile(StoreContext& context, FileDialog& fileDialog);

}  // namespace evenkeeper
