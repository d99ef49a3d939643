#pragma once
// A Recycle Bin that is a folder of the test's tree, so that a test can look at what went
// there; without a folder no side has a bin. Paths in refused stay where they are.
#include <set>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/RecycleBin.h"

namespace evenkeeper::test {

struct FolderBin : RecycleBin {
    std::string folder;  // ends in "\"
    std::set<std::string> refused;
    std::vector<std::size_t> calls;  // the number of files of each call

    bool holds(const char*) override { return !folder.empty(); }
    std::vector<RecycleFailure> recycle(const std::vector<std::string>& paths) override {
        calls.push_back(paths.size());
        std::vector<RecycleFailure> failures;
        for (std::size_t i = 0; i < paths.size(); ++i) {
            std::string name = paths[i].substr(paths[i].find_last_of('\\') + 1);
            if (refused.count(paths[i]) ||
                systemFileSystem().replaceFile(paths[i].c_str(), (folder + name).c_str()) !=
                    ReplaceResult::replaced)
                failures.push_back({i, "The bin refused it."});
        }
        return failures;
    }
};

}  // namespace evenkeeper::test
