#pragma once
// The rows of the list that chooses a previous sync operation: two per stored operation, in
// store order, each pair in its own colour, and the texts of the list's five columns.
#include <cstdint>
#include <string>
#include <vector>

#include "store/SyncStore.h"

namespace evenkeeper {

struct ChooseRow {
    const char* folder;  // the operation's top folder on the first row, its bottom folder on the second
    Operation operation;
    Direction direction;
    std::int32_t levels;
    char lastUsed[16];
    std::int32_t position;  // the operation's position in the store
    bool first;             // the first row of its pair
    std::uint32_t colour;   // the pair's background, 0x00BBGGRR
};

struct ChooseColumn {
    const char* header;
    int width;  // pixels
};

constexpr int kChooseColumnCount = 5;
extern const ChooseColumn kChooseColumns[kChooseColumnCount];

// Pink, cyan, magenta and light blue by turns, so that neighbouring pairs differ.
std::uint32_t pairColour(int position);
// The folder texts refer to the store's records: the rows are made again whenever one goes.
std::vector<ChooseRow> chooseRows(SyncStore& store);
// The second row of a pair shows only its folder; a value out of range shows nothing.
std::string chooseColumnText(const ChooseRow& row, int column);

}  // namespace evenkeeper
