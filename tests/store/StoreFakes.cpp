#include "StoreFakes.h"

#include <algorithm>
#include <cstdio>

#include "platform/TextCompare.h"

namespace evenkeeper::test {

void RecordingStoreDialog::selectOperation(int position) {
    calls.push_back("select " + std::to_string(position));
    SyncOperation* record = store.at(position);
    if (!record) {
        record = store.at(0);
        position = 0;
    }
    session.currentOperation = record;
    session.index = position;
}

int RecordingStoreDialog::ask(const char* text, const char* caption, std::uint32_t flags) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%x", unsigned(flags));
    calls.push_back("ask " + std::string(hex) + " " + caption + ": " + text);
    return answer;
}

bool FakeFileDialog::show(WindowHandle owner, char* name, int size, const char* initialFolder) {
    calls.push_back(std::string(owner == kOwner ? "show" : "show by wrong owner") + " '" + name +
                    "' " + std::to_string(size) + " " + initialFolder);
    if (chosen.empty()) return false;
    chosen.copy(name, std::size_t(size - 1));
    name[std::min(chosen.size(), std::size_t(size - 1))] = '\0';
    return true;
}

StoreFixture::StoreFixture(FileSystem& files)
    : context{store, session, dialog, storeDialog, files, systemTextCompare()} {}

std::vector<std::string> StoreFixture::records() {
    std::vector<std::string> lines;
    for (SyncOperation* r = store.first(); r; r = store.next())
        lines.push_back(std::string(r->topFolder) + "|" + r->bottomFolder + "|" +
                        std::to_string(r->operation) + "|" + std::to_string(r->direction) + "|" +
                        std::to_string(r->levels) + "|" + r->lastUsed);
    return lines;
}

}  // namespace evenkeeper::test
