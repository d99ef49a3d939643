#include "engine/PathHelpers.h"

#include <cstdio>
#include <cstring>

#include "platform/DirectorySearch.h"

namespace evenkeeper {

int folderExists(FileSystem& files, const char* path) {
    char previous[kMaxPath];
    bool saved = files.getCurrentDirectory(previous, sizeof previous);
    bool exists = files.setCurrentDirectory(path);
    if (saved) files.setCurrentDirectory(previous);
    return exists ? 1 : 0;
}

namespace {
// Win32 takes "/" for "\" too; on POSIX it is the only separator of the root part.
bool isSeparator(char c) { return c == '\\' || c == '/'; }
}  // namespace

int makePath(FileSystem& files, const char* path) {
    std::size_t length = std::strlen(path);
    if (length >= kMaxPath) return 0;
    char folder[kMaxPath];
    std::strcpy(folder, path);
    // The part that is never created: "\\server\share\" or the drive such as "C:\".
    std::size_t at = 0;
    int separatorsToSkip = length > 1 && isSeparator(path[1]) ? 4 : 1;
    while (at < length && separatorsToSkip > 0)
        if (isSeparator(path[at++])) --separatorsToSkip;
    while (at < length) {
        while (at < length && !isSeparator(path[at])) ++at;
        char separator = folder[at];
        folder[at] = '\0';
        if (files.createDirectory(folder) == CreateResult::failed) return 0;
        if (at + 1 >= length) return 1;
        folder[at++] = separator;
    }
    return 1;
}

std::string closedFolder(const std::string& folder) {
    if (folder.empty() || folder.back() == '\\') return folder;
    return folder + '\\';
}

void cutToFolder(char* path) {
    char* end = path;
    for (char* c = path; *c; ++c)
        if (*c == '\\' || *c == '/' || *c == ':') end = c + 1;
    *end = '\0';
}

bool reachableByName(const std::string& relative) {
    for (std::size_t end = 0; end <= relative.size(); ++end) {
        bool partEnds = end == relative.size() || relative[end] == '\\';
        if (partEnds && end > 0 && (relative[end - 1] == '.' || relative[end - 1] == ' '))
            return false;
    }
    return true;
}

void twoDigits(int number, char* destination) {
    std::snprintf(destination, 12, number <= 9 && number >= 0 ? "0%d" : "%d", number);
}

void formatDate(const LocalTime& date, char* destination) {
    char month[12], day[12], year[12];
    twoDigits(date.month, month);
    twoDigits(date.day, day);
    twoDigits(date.year % 100, year);
    std::snprintf(destination, kDateTextSize, "%.2s/%.2s/%.2s", month, day, year);
}

void formatFileTime(const Clock& clock, std::uint64_t fileTime, char* date, char* time) {
    LocalTime local;
    date[0] = '\0';
    if (time) time[0] = '\0';
    if (!clock.toLocal(fileTime, local)) return;
    formatDate(local, date);
    if (!time) return;
    int hour = local.hour % 12 == 0 ? 12 : local.hour % 12;
    char hh[12], mm[12], ss[12];
    twoDigits(hour, hh);
    twoDigits(local.minute, mm);
    twoDigits(local.second, ss);
    std::snprintf(time, kTimeTextSize, "%.2s:%.2s:%.2s%s", hh, mm, ss, local.hour < 12 ? "am" : "pm");
}

}  // namespace evenkeeper
