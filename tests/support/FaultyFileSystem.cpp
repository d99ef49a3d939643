#include "support/FaultyFileSystem.h"

namespace evenkeeper::test {

bool FaultyFileSystem::endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

void FaultyFileSystem::failCopy(const std::string& suffix, CopyOutcome outcome,
                                std::uint32_t error, int times) {
    copyFailures_[suffix] = {outcome, error, times};
}

void FaultyFileSystem::failRename(const std::string& suffix, CopyOutcome outcome,
                                  std::uint32_t error, int times) {
    renameFailures_[suffix] = {outcome, error, times};
}

CopyResult FaultyFileSystem::planned(std::map<std::string, Failure>& failures, const std::string& path) {
    for (auto& [suffix, failure] : failures) {
        if (failure.times > 0 && endsWith(path, suffix)) {
            --failure.times;
            return {failure.outcome, failure.error};
        }
    }
    return {CopyOutcome::copied, 0};
}

CopyResult FaultyFileSystem::renameOver(const char* from, const char* to) {
    CopyResult failure = planned(renameFailures_, to);
    return failure.outcome != CopyOutcome::copied ? failure : real_.renameOver(from, to);
}

CopyResult FaultyFileSystem::renameToNew(const char* from, const char* to) {
    CopyResult failure = planned(renameFailures_, to);
    return failure.outcome != CopyOutcome::copied ? failure : real_.renameToNew(from, to);
}

CopyResult FaultyFileSystem::copyToNewFile(const char* source, const char* destination) {
    ++copies_;
    if (partialCountdown_ > 0 && --partialCountdown_ == 0) {
        std::string content;
        real_.readWholeFile(source, content);
        FileHandle partial = real_.createFile(destination);
        real_.writeFile(partial, content.data(), std::uint32_t(content.size() / 2));
        real_.closeFile(partial);
        return partialFailure_;
    }
    CopyResult failure = planned(copyFailures_, source);
    return failure.outcome != CopyOutcome::copied ? failure : real_.copyToNewFile(source, destination);
}

CreateResult FaultyFileSystem::createDirectory(const char* path) {
    for (const std::string& suffix : failDirectories_)
        if (endsWith(path, suffix)) return CreateResult::failed;
    return real_.createDirectory(path);
}

}  // namespace evenkeeper::test
