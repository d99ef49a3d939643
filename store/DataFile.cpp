#include "store/DataFile.h"

#include <cstdio>
#include <cstring>

#include "engine/PathHelpers.h"
#include "store/SettingsReader.h"
#include "store/SettingsText.h"
#include "store/SettingsWriter.h"

namespace evenkeeper {
namespace {

constexpr char kMark[] = "Evenkeeper";
constexpr char kMarkLine[] = "p=Evenkeeper";
constexpr char kVersionLine[] = "v=1.0";
constexpr char kIndexKey[] = "index";
constexpr char kOperationPrefix[] = "operation=";
constexpr char kDirectionPrefix[] = "direction=";
constexpr char kLevelsPrefix[] = "levels=";
constexpr int kShortLineSize = 40;  // the mark, version and number lines: 39 characters
constexpr std::size_t kBufferSize = 64000;

// The number behind a line's prefix; a line no longer than its prefix gives 0.
std::int32_t numberAfter(const char* line, const char* prefix) {
    std::size_t length = std::strlen(prefix);
    return std::strlen(line) > length ? readSignedInt(line + length) : 0;
}

// Values out of range would derail the rest of the program: below low they become low,
// above high they become above.
std::int32_t inRange(std::int32_t value, std::int32_t low, std::int32_t high, std::int32_t above) {
    if (value < low) return low;
    return value > high ? above : value;
}

bool isDataFile(SettingsReader& reader) {
    char line[kShortLineSize];
    return reader.findSection(kProgramSection) && reader.nextLine(line, sizeof line) &&
           std::strlen(line) >= 2 && std::strcmp(line + 2, kMark) == 0;
}

// The six lines of the current section; once one is missing, it and the rest are empty.
SyncOperation readRecord(SettingsReader& reader) {
    SyncOperation record;
    char operation[kShortLineSize], direction[kShortLineSize], levels[kShortLineSize];
    struct Line {
        char* text;
        int size;
    } lines[] = {{record.topFolder, sizeof record.topFolder},
                 {record.bottomFolder, sizeof record.bottomFolder},
                 {operation, sizeof operation},
                 {direction, sizeof direction},
                 {levels, sizeof levels},
                 {record.lastUsed, sizeof record.lastUsed}};
    bool present = true;
    for (Line& line : lines) {
        line.text[0] = '\0';
        present = present && reader.nextLine(line.text, line.size);
    }
    // A folder written by hand or by another program may lack the closing "\" that the
    // scanner and the run build their paths on.
    for (char* folder : {record.topFolder, record.bottomFolder}) {
        std::string closed = closedFolder(folder);
        if (closed.size() < sizeof record.topFolder) std::strcpy(folder, closed.c_str());
    }
    record.operation =
        Operation(inRange(numberAfter(operation, kOperationPrefix), kCopy, kDuplicate, kCopy));
    record.direction = Direction(
        inRange(numberAfter(direction, kDirectionPrefix), kTopToBottom, kBothWays, kTopToBottom));
    record.levels = inRange(numberAfter(levels, kLevelsPrefix), 0, kMaxLevels, kMaxLevels);
    return record;
}

// Sections "a", "b", ... up to the first letter that is missing.
void readRecords(SettingsReader& reader, SyncStore& store) {
    char name[2] = "a";
    for (int position = 0; position < maxSyncOperations; ++position) {
        name[0] = char('a' + position);
        if (!reader.findSection(name) || !store.addBack(readRecord(reader))) return;
    }
}

void addNumberLine(SettingsWriter& writer, const char* prefix, std::int32_t value) {
    char line[kShortLineSize];
    std::snprintf(line, sizeof line, "%s%d", prefix, int(value));
    writer.addLine(line);
}

}  // namespace

bool loadDataFile(StoreContext& context) {
    SyncSession& session = context.session;
    context.store.clear();
    session.currentOperation = nullptr;
    session.dataFileRejected = false;
    SettingsReader reader(context.files, context.compare, kSettingsNameLength, kSettingsLineLength);
    // An empty file holds nothing to lose: it is taken for a new data file.
    if (!session.dataFilePath.empty() && reader.load(session.dataFilePath.c_str()) &&
        reader.length() > 0) {
        if (!isDataFile(reader)) {
            session.dataFileRejected = true;
            newSyncOperation(context);
            return false;
        }
        char version[kShortLineSize];
        reader.nextLine(version, sizeof version);
        reader.getInt(kIndexKey, session.index, 0);
        readRecords(reader, context.store);
    }
    if (context.store.count() == 0) newSyncOperation(context);
    else context.storeDialog.selectOperation(session.index);
    context.dialog.setStatusText(session.dataFilePath.c_str());
    context.storeDialog.showDirectionIcon();
    return true;
}

void saveDataFile(StoreContext& context) {
    const SyncSession& session = context.session;
    if (!session.unsavedChanges || session.dataFileRejected) return;
    SettingsWriter writer(context.files, kSettingsNameLength, kSettingsLineLength);
    if (!writer.begin(kBufferSize, kBufferSize)) return;
    writer.addSection(kProgramSection);
    writer.addLine(kMarkLine);
    writer.addLine(kVersionLine);
    writer.addInt(kIndexKey, session.index);
    char name[2] = "a";
    int position = 0;
    for (SyncOperation* record = context.store.first(); record && position < maxSyncOperations;
         record = context.store.next(), ++position) {
        name[0] = char('a' + position);
        writer.addSection(name);
        writer.addLine(record->topFolder);
        writer.addLine(record->bottomFolder);
        addNumberLine(writer, kOperationPrefix, record->operation);
        addNumberLine(writer, kDirectionPrefix, record->direction);
        addNumberLine(writer, kLevelsPrefix, record->levels);
        writer.addLine(record->lastUsed);
    }
    if (!writer.failed()) writer.writeTo(session.dataFilePath.c_str());
}

void newSyncOperation(StoreContext& context) {
    if (context.store.count() >= maxSyncOperations) {
        context.dialog.showMessage("Too many sync operations, delete some to continue.", kMessageCaption);
        return;
    }
    if (context.store.addFront(SyncOperation())) context.storeDialog.selectOperation(0);
}

}  // namespace evenkeeper
