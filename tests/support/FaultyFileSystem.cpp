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

CopyResult FaultyFileSystem::copyFile(const char* source, const char* destination) {
    ++copies_;
    if (partialCountdown_ > 0 && --partialCountdown_ == 0) {
        std::string content;
        real_.readWholeFile(source, content);
        FileHandle partial = real_.createFile(destination);
        real_.writeFile(partial, content.data(), std::uint32_t(content.size() / 2));
        real_.closeFile(partial);
        return partialFailure_;
    }
    for (auto& [suffix, failure] : copyFailures_) {
        if (failure.times > 0 && endsWith(source, suffix)) {
            --failure.times;
            return {failure.outcome, failure.error};
        }
    }
    return real_.copyFile(source, destination);
}

CreateResult FaultyFileSystem::createDirectory(const char* path) {
    for (const std::string& suffix : failDirectories_)
        if (endsWith(path, suffix)) return CreateResult::failed;
    return real_.createDirectory(path);
}

}  // namespace evenkeeper::test
