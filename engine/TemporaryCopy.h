#pragma once
// A copy of a file made under a temporary name of the program's own in the folder of the
// file it is to replace. The file keeps its old content and time until the whole copy, with
// the source's time, is on the disk and takes its place in one rename; a copy that fails,
// or a program that is killed, never leaves a short file under the real name.
#include <string>

#include "platform/FileSystem.h"

namespace evenkeeper {

class TemporaryCopy {
public:
    explicit TemporaryCopy(FileSystem& files) : files_(files) {}
    // A copy that did not take its destination's place is removed.
    ~TemporaryCopy() { remove(); }
    TemporaryCopy(const TemporaryCopy&) = delete;
    TemporaryCopy& operator=(const TemporaryCopy&) = delete;

    // Whether a temporary name beside destination stays within the narrow calls' 259
    // characters.
    static bool fitsBeside(const std::string& destination);

    // Copies source beside destination. A temporary file that a killed run left under the
    // name is removed first.
    CopyResult make(const char* source, const std::string& destination);
    // The copy takes destination's place; afterwards there is nothing left to remove.
    CopyResult renameOver(const std::string& destination);
    // The copy takes destination's name while nothing has it (exists when something has).
    CopyResult renameToNew(const std::string& destination);

private:
    // The renamed copy is gone from its temporary name.
    CopyResult renamed(CopyResult result);
    void remove();
    // A temporary file may carry the read-only attribute of its source.
    bool discard(const std::string& path);

    FileSystem& files_;
    std::string path_;
};

}  // namespace evenkeeper
