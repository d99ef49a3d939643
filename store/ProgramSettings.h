#pragma once
// The program settings file "GlobalSettings.ini" in the per-user folder
// (the application data folder followed by "\TamrelFreeware\Evenkeeper\"):
//
//   [Program Settings]
//   Cols=40 01 00 00 5A 00 00 00 78 00 00 00 BE 00 00 00    four column widths, 32 bits each
//   flags=0                                                 window placement flags
//   showCmd=1                                               window show state
//   rcNormal=64 00 00 00 50 00 00 00 6C 02 00 00 30 02 00 00   left, top, right, bottom
//   DataFile=C:\...\Evenkeeper.txt                          the sync operations data file
//
// Byte lists hold each 32-bit value least significant byte first.
#include <cstdint>
#include <string>

#include "platform/UserFolders.h"
#include "store/StoreContext.h"
#include "store/WindowPlacement.h"

namespace evenkeeper {

constexpr std::int32_t kDefaultColumnWidths[4] = {320, 90, 120, 190};  // Name, Size, Modified, Path

struct ProgramSettings {
    std::string userDataFolder;  // ends in "\"
    WindowPlacement windowPlacement;
    std::int32_t columnWidths[4] = {kDefaultColumnWidths[0], kDefaultColumnWidths[1],
                                    kDefaultColumnWidths[2], kDefaultColumnWidths[3]};
};

// Sets up the per-user folder (creating it when missing), the session's file paths, the
// window placement and column widths from the settings file, then loads the data file.
void loadProgramSettings(StoreContext& context, ProgramSettings& settings, UserFolders& folders);
// A column 0 wide or less cannot be found to widen again, and one wider than the screen
// pushes the others out of sight: each such width falls back to its default.
void keepColumnsUsable(ProgramSettings& settings, std::int32_t screenWidth);
// Writes the settings file with the view's column widths and window placement and the
// session's data file path, changed or not.
void saveProgramSettings(StoreContext& context, ProgramSettings& settings, MainWindowView& view);

}  // namespace evenkeeper
