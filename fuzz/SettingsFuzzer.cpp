// Arbitrary bytes as both settings files: the program settings file and the data file are
// read, everything the program then holds must be in range, and whatever was read must save
// and load back to the same operations, index, placement and column widths.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "MemoryFileSystem.h"
#include "StoreFakes.h"
#include "store/DataFile.h"
#include "store/ProgramSettings.h"

namespace evenkeeper::test {
namespace {

const std::string kFolder = "C:\\AppData\\TamrelFreeware\\Evenkeeper\\";

void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

bool terminated(const char* field, std::size_t size) { return std::memchr(field, 0, size) != nullptr; }

void checkStore(StoreFixture& f) {
    require(f.store.count() >= 1 && f.store.count() <= maxSyncOperations, "store size");
    require(f.session.currentOperation == f.store.at(f.session.index), "current operation");
    for (SyncOperation* r = f.store.first(); r; r = f.store.next()) {
        require(terminated(r->topFolder, sizeof r->topFolder) &&
                    terminated(r->bottomFolder, sizeof r->bottomFolder) &&
                    terminated(r->lastUsed, sizeof r->lastUsed),
                "terminated fields");
        require(r->operation >= kCopy && r->operation <= kDuplicate, "operation");
        require(r->direction >= kTopToBottom && r->direction <= kBothWays, "direction");
        require(r->levels >= 0 && r->levels <= kMaxLevels, "levels");
    }
}

void checkDataFileRoundTrip(MemoryFileSystem& files, StoreFixture& f) {
    const std::string path = "C:\\AppData\\saved.txt";
    f.session.dataFilePath = path;
    f.session.unsavedChanges = true;
    saveDataFile(f.context);
    const std::string first = files.files[path];
    const auto records = f.records();
    const std::int32_t index = f.session.index;
    require(loadDataFile(f.context), "a saved file is a data file");
    require(f.records() == records && f.session.index == index, "data file round trip");
    saveDataFile(f.context);
    require(files.files[path] == first, "saving again gives the same bytes");
}

void checkSettingsRoundTrip(StoreFixture& f, FakeUserFolders& folders, ProgramSettings& loaded) {
    FakeWindowView view;
    std::memcpy(view.widths, loaded.columnWidths, sizeof view.widths);
    view.placement = loaded.windowPlacement;
    const std::string dataFile = f.session.dataFilePath;
    saveProgramSettings(f.context, loaded, view);
    ProgramSettings again;
    loadProgramSettings(f.context, again, folders);
    require(std::memcmp(again.columnWidths, view.widths, sizeof view.widths) == 0, "widths");
    const WindowPlacement& p = again.windowPlacement;
    require(p.length != kNoPlacement && p.flags == view.placement.flags &&
                p.showCmd == view.placement.showCmd &&
                std::memcmp(&p.normal, &view.placement.normal, sizeof p.normal) == 0,
            "placement round trip");
    require(f.session.dataFilePath == dataFile, "data file path round trip");
}

}  // namespace
}  // namespace evenkeeper::test

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace evenkeeper;
    using namespace evenkeeper::test;
    const std::string text(reinterpret_cast<const char*>(data), size);
    MemoryFileSystem files;
    files.folders.insert("C:\\AppData");
    files.files[kFolder + "GlobalSettings.ini"] = text;
    files.files[kFolder + "Evenkeeper.txt"] = text;
    FakeUserFolders folders;
    folders.folder = "C:\\AppData";
    StoreFixture f(files);
    ProgramSettings settings;
    loadProgramSettings(f.context, settings, folders);
    checkStore(f);
    require(f.session.dataFilePath.size() < 260, "data file path length");
    checkSettingsRoundTrip(f, folders, settings);

    f.session.dataFilePath = kFolder + "Evenkeeper.txt";
    bool accepted = loadDataFile(f.context);
    checkStore(f);
    require(accepted != f.session.dataFileRejected, "rejection flag");
    if (accepted) checkDataFileRoundTrip(files, f);
    return 0;
}
