#include "store/ProgramSettings.h"

#include "engine/PathHelpers.h"
#include "platform/DirectorySearch.h"
#include "store/DataFile.h"
#include "store/SettingsReader.h"
#include "store/SettingsText.h"
#include "store/SettingsWriter.h"

namespace evenkeeper {
namespace {

constexpr char kProgramFolder[] = "\\TamrelFreeware\\Evenkeeper\\";
constexpr char kSettingsFileName[] = "GlobalSettings.ini";
constexpr char kDataFileName[] = "Evenkeeper.txt";
constexpr std::size_t kBufferSize = 64000;
constexpr std::size_t kGrowthStep = 32000;
constexpr int kListBytes = 16;  // four 32-bit values

std::string userDataFolder(UserFolders& folders, WindowHandle owner) {
    std::string folder;
    if (!folders.applicationDataFolder(owner, folder)) folder.clear();
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    folder += kProgramFolder;
    // A folder whose files' paths would be too long is as unusable as none at all.
    if (folder.size() + sizeof kSettingsFileName > std::size_t(kMaxPath)) folder = kProgramFolder;
    return folder;
}

void toBytes(const std::int32_t values[4], std::uint8_t bytes[kListBytes]) {
    for (int i = 0; i < kListBytes; ++i)
        bytes[i] = std::uint8_t(std::uint32_t(values[i / 4]) >> (8 * (i % 4)));
}

void fromBytes(const std::uint8_t bytes[kListBytes], std::int32_t values[4]) {
    for (int i = 0; i < 4; ++i)
        values[i] = std::int32_t(std::uint32_t(bytes[4 * i]) | std::uint32_t(bytes[4 * i + 1]) << 8 |
                                 std::uint32_t(bytes[4 * i + 2]) << 16 |
                                 std::uint32_t(bytes[4 * i + 3]) << 24);
}

void readSettings(SettingsReader& reader, ProgramSettings& settings, SyncSession& session) {
    reader.findSection(kProgramSection);
    WindowPlacement& placement = settings.windowPlacement;
    std::int32_t value;
    reader.getInt("flags", value, 0);
    placement.flags = std::uint32_t(value);
    reader.getInt("showCmd", value, 0);
    placement.showCmd = std::uint32_t(value);
    std::uint8_t bytes[kListBytes];
    std::int32_t rectangle[4];
    // Only a whole rectangle is a placement; a cut one would shrink the window to nothing.
    bool wholeRectangle = reader.getBytes("rcNormal", bytes, kListBytes);
    fromBytes(bytes, rectangle);
    placement.normal = {rectangle[0], rectangle[1], rectangle[2], rectangle[3]};
    placement.length = wholeRectangle ? std::int32_t(sizeof placement) : kNoPlacement;
    if (reader.getBytes("Cols", bytes, kListBytes)) fromBytes(bytes, settings.columnWidths);
    char path[kMaxPath];
    reader.getString("DataFile", path, sizeof path, session.dataFilePath.c_str());
    session.dataFilePath = path;
}

}  // namespace

void loadProgramSettings(StoreContext& context, ProgramSettings& settings, UserFolders& folders) {
    SyncSession& session = context.session;
    settings.userDataFolder = userDataFolder(folders, context.storeDialog.window());
    const char* folder = settings.userDataFolder.c_str();
    if (!folderExists(context.files, folder)) makePath(context.files, folder);
    session.dataFilePath = settings.userDataFolder + kDataFileName;
    session.settingsFilePath = settings.userDataFolder + kSettingsFileName;
    settings.windowPlacement.length = kNoPlacement;
    SettingsReader reader(context.files, context.compare, kSettingsNameLength, kSettingsLineLength);
    if (reader.load(session.settingsFilePath.c_str())) readSettings(reader, settings, session);
    reader.release();
    loadDataFile(context);
}

void keepColumnsUsable(ProgramSettings& settings, std::int32_t screenWidth) {
    for (int column = 0; column < 4; ++column) {
        std::int32_t& width = settings.columnWidths[column];
        if (width <= 0 || width > screenWidth) width = kDefaultColumnWidths[column];
    }
}

void saveProgramSettings(StoreContext& context, ProgramSettings& settings, MainWindowView& view) {
    SettingsWriter writer(context.files, kSettingsNameLength, kSettingsLineLength);
    if (!writer.begin(kBufferSize, kGrowthStep)) return;
    writer.addSection(kProgramSection);
    std::int32_t widths[4] = {};
    std::uint8_t bytes[kListBytes];
    view.columnWidths(widths);
    toBytes(widths, bytes);
    writer.addBytes("Cols", bytes, kListBytes);
    WindowPlacement& placement = settings.windowPlacement;
    placement = WindowPlacement();
    view.getWindowPlacement(placement);
    placement.length = std::int32_t(sizeof placement);
    writer.addUnsigned("flags", placement.flags);
    writer.addUnsigned("showCmd", placement.showCmd);
    const std::int32_t rectangle[4] = {placement.normal.left, placement.normal.top,
                                       placement.normal.right, placement.normal.bottom};
    toBytes(rectangle, bytes);
    writer.addBytes("rcNormal", bytes, kListBytes);
    writer.addString("DataFile", context.session.dataFilePath.c_str());
    if (!writer.failed()) writer.writeTo(context.session.settingsFilePath.c_str());
}

}  // namespace evenkeeper
