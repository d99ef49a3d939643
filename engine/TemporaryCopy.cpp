#include "engine/TemporaryCopy.h"

#include "engine/TemporaryName.h"
#include "platform/DirectorySearch.h"

namespace evenkeeper {
namespace {

std::string folderOf(const std::string& path) {
    return path.substr(0, path.find_last_of("\\/:") + 1);
}

}  // namespace

bool TemporaryCopy::fitsBeside(const std::string& destination) {
    return folderOf(destination).size() + temporaryName(0).size() < std::size_t(kMaxPath);
}

CopyResult TemporaryCopy::make(const char* source, const std::string& destination) {
    std::string folder = folderOf(destination);
    CopyResult result{CopyOutcome::exists, 0};
    for (unsigned number = 0; number < kTemporaryNames && result.outcome == CopyOutcome::exists;
         ++number) {
        path_ = folder + temporaryName(number);
        result = files_.copyToNewFile(source, path_.c_str());
        if (result.outcome == CopyOutcome::exists && discard(path_))
            result = files_.copyToNewFile(source, path_.c_str());
    }
    // Whatever a failed copy wrote goes; a name that stayed taken is another's file, and a
    // link as source made nothing.
    if (result.outcome == CopyOutcome::exists || result.outcome == CopyOutcome::link)
        path_.clear();
    else if (result.outcome != CopyOutcome::copied)
        remove();
    return result;
}

CopyResult TemporaryCopy::renameOver(const std::string& destination) {
    return renamed(files_.renameOver(path_.c_str(), destination.c_str()));
}

CopyResult TemporaryCopy::renameToNew(const std::string& destination) {
    return renamed(files_.renameToNew(path_.c_str(), destination.c_str()));
}

CopyResult TemporaryCopy::renamed(CopyResult result) {
    if (result.outcome == CopyOutcome::copied) path_.clear();
    return result;
}

void TemporaryCopy::remove() {
    if (path_.empty()) return;
    discard(path_);
    path_.clear();
}

bool TemporaryCopy::discard(const std::string& path) {
    if (files_.fileState(path.c_str()).folder) return false;
    files_.setAttributes(path.c_str(), kAttributeNormal);
    return files_.deleteFile(path.c_str());
}

}  // namespace evenkeeper
