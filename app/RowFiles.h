#pragma once
// The files behind the result list's rows: the texts of their columns and their full paths.
// A row's side is the table that holds its entry, so that a side view of files no plan has
// marked still names the folder each file was found in.
#include <string>

#include "engine/FolderScanner.h"
#include "engine/SyncOperation.h"
#include "platform/Clock.h"

namespace evenkeeper {

enum ResultColumn { kColumnName = 0, kColumnSize = 1, kColumnModified = 2, kColumnPath = 3 };

class RowFiles {
public:
    RowFiles(const FolderScanner& top, const FolderScanner& bottom, const Clock& clock)
        : top_(top), bottom_(bottom), clock_(clock) {}

    // The name, the size with grouped thousands, the modified date and time, or the
    // relative folder; empty for any other column.
    std::string columnText(const FileEntry& entry, int column) const;
    // The entry's side's folder of the operation, its relative folder and its name.
    std::string fullPath(const FileEntry& entry, const SyncOperation& operation) const;

private:
    const FolderScanner& scannerOf(const FileEntry& entry) const;

    const FolderScanner& top_;
    const FolderScanner& bottom_;
    const Clock& clock_;
};

// A path in lines of 80 characters (not bytes: a name is never broken inside a letter), each
// ended by a line break, so that a question about it fits the screen.
std::string pathInLines(const std::string& path);

// The question before a listed file is deleted: the path in lines, then "\nDelete this file?".
std::string deleteQuestion(const std::string& path);

}  // namespace evenkeeper
