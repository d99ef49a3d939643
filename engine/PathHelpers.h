#pragma once
// Folder and text helpers of the sync run, shared with the settings of the per-user folder.
#include <cstdint>
#include <string>

#include "platform/Clock.h"
#include "platform/FileSystem.h"

namespace evenkeeper {

// Nonzero when path names a folder that can be made the current directory; the current
// directory is the same afterwards.
int folderExists(FileSystem& files, const char* path);
// Creates the folder and every missing folder above it; 1 on success, 0 on failure.
int makePath(FileSystem& files, const char* path);
// A folder as the scanner and the run build paths on it (root + relative folder + name): a
// non-empty text ends in "\", as a typed or browsed folder does.
std::string closedFolder(const std::string& folder);
// Keeps path up to and including its last "\", "/" or ":"; without any, path becomes empty.
void cutToFolder(char* path);
// False when a part of the relative path ends in "." or " ": Windows drops those from a
// path, so the narrow calls would reach another file or none (such names come from Unix
// file systems).
bool reachableByName(const std::string& relative);
// number in decimal with a leading "0" below 10, into destination (room for 12 characters).
void twoDigits(int number, char* destination);
constexpr int kDateTextSize = 9;   // "MM/DD/YY" and the terminator
constexpr int kTimeTextSize = 11;  // "hh:mm:sspm" and the terminator

// MM/DD/YY into destination.
void formatDate(const LocalTime& date, char* destination);
// The local date and, when time is given, the time of a file time; both empty when it
// cannot be converted.
void formatFileTime(const Clock& clock, std::uint64_t fileTime, char* date, char* time);

}  // namespace evenkeeper
