#include "app/ChooseRows.h"

#include <cstring>

#include "app/OperationRules.h"

namespace evenkeeper {
namespace {

constexpr std::uint32_t kPairColours[] = {
    0xB469FF,  // pink
    0xFFFF00,  // cyan
    0xFF00FF,  // magenta
    0xFACE87,  // light blue
};

}  // namespace

const ChooseColumn kChooseColumns[kChooseColumnCount] = {
    {"Folders", 320}, {"Operation", 60}, {"Direction", 104}, {"Levels", 60}, {"Last used", 80}};

std::uint32_t pairColour(int position) { return kPairColours[position % 4]; }

std::vector<ChooseRow> chooseRows(SyncStore& store) {
    std::vector<ChooseRow> rows;
    rows.reserve(std::size_t(2 * store.count()));
    int position = 0;
    for (SyncOperation* record = store.first(); record; record = store.next(), ++position) {
        ChooseRow row = {record->topFolder, record->operation, record->direction, record->levels,
                         {}, position, true, pairColour(position)};
        static_assert(sizeof row.lastUsed == sizeof record->lastUsed);
        std::memcpy(row.lastUsed, record->lastUsed, sizeof row.lastUsed - 1);
        rows.push_back(row);
        row.folder = record->bottomFolder;
        row.first = false;
        rows.push_back(row);
    }
    return rows;
}

std::string chooseColumnText(const ChooseRow& row, int column) {
    if (column == 0) return row.folder;
    if (!row.first) return "";
    switch (column) {
        case 1: return row.operation >= kCopy && row.operation <= kDuplicate ? operationName(row.operation) : "";
        case 2: return directionName(row.direction);
        case 3: return std::to_string(row.levels);
        case 4: return row.lastUsed;
        default: return "";
    }
}

}  // namespace evenkeeper
