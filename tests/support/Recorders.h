#pragma once
// Recording fakes of the windows the engine talks to.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/MainDialogPort.h"
#include "engine/ProgressPort.h"
#include "engine/ResultRows.h"
#include "platform/MessagePump.h"

namespace evenkeeper::test {

struct RecordingDialog : MainDialogPort {
    std::vector<std::string> statusTexts;
    std::vector<std::string> messages;  // "caption: text"
    std::vector<bool> middleButton;     // every enable or disable, in order
    std::vector<std::string> opened;    // documents opened with the shell

    void setStatusText(const char* text) override { statusTexts.push_back(text); }
    void showMessage(const char* text, const char* caption) override {
        messages.push_back(std::string(caption) + ": " + text);
    }
    void enableMiddleButton(bool enable) override { middleButton.push_back(enable); }
    void openWithShell(const char* path) override { opened.push_back(path); }
};

struct RecordingProgress : ProgressPort {
    std::vector<std::string> calls;  // "colours 0 90ee90", "show Finding differences...", "close"

    void SetColours(std::uint32_t text, std::uint32_t background) override;
    int Show(const char* text) override;
    int Close() override;
};

struct Row {
    FileEntry* entry;
    int image;
};

// Rows kept in a vector; deleted rows are erased, as a list control does.
struct RecordingRows : ResultRows {
    std::vector<Row> rows;
    int clears = 0;

    void clearRows() override;
    void appendRow(FileEntry& entry, int image) override { rows.push_back({&entry, image}); }
    int nextRow(int row) override { return row + 1 < int(rows.size()) ? row + 1 : -1; }
    FileEntry* entryAt(int row) override { return rows.at(std::size_t(row)).entry; }
    void deleteRow(int row) override { rows.erase(rows.begin() + row); }

    // "image name" per row, for comparing whole plans.
    std::vector<std::string> describe() const;
};

// Counts pumps; answers 1 (a quit message waits) from call number quitAt on.
struct CountingPump : MessagePump {
    int calls = 0;
    int quitAt = 0;  // 0: never
    int pumpMessages() override {
        ++calls;
        return quitAt && calls >= quitAt ? 1 : 0;
    }
};

}  // namespace evenkeeper::test
