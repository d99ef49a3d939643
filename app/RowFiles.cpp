#include "app/RowFiles.h"

#include <cstdio>

#include "engine/NumberText.h"
#include "engine/PathHelpers.h"
#include "platform/Utf8Text.h"

namespace evenkeeper {

const FolderScanner& RowFiles::scannerOf(const FileEntry& entry) const {
    return top_.table().holds(&entry) ? top_ : bottom_;
}

std::string RowFiles::columnText(const FileEntry& entry, int column) const {
    switch (column) {
        case kColumnName: return entry.name;
        case kColumnSize: return groupedNumber(entry.size);
        case kColumnModified: {
            char date[kDateTextSize];
            char time[kTimeTextSize];
            formatFileTime(clock_, entry.lastWrite, date, time);
            return std::string(date) + " " + time;
        }
        case kColumnPath: {
            const char* folder = scannerOf(entry).folders().folderAt(entry.folder);
            return folder ? folder : "";
        }
        default: return {};
    }
}

std::string RowFiles::fullPath(const FileEntry& entry, const SyncOperation& operation) const {
    const FolderScanner& scanner = scannerOf(entry);
    const char* root = &scanner == &top_ ? operation.topFolder : operation.bottomFolder;
    const char* folder = scanner.folders().folderAt(entry.folder);
    return std::string(root) + (folder ? folder : "") + entry.name;
}

std::string pathInLines(const std::string& path) {
    constexpr std::size_t kLineLength = 80;
    std::string lines;
    std::size_t characters = 0;
    for (std::size_t at = 0, size; at < path.size(); at += size) {
        decodeUtf8(path.data(), path.size(), at, size);
        lines.append(path, at, size);
        if (++characters % kLineLength == 0) lines += '\n';
    }
    return lines;
}

std::string deleteQuestion(const std::string& path) {
    return pathInLines(path) + "\nDelete this file?";
}

}  // namespace evenkeeper
