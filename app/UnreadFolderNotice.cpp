#include "app/UnreadFolderNotice.h"

namespace evenkeeper {
namespace {

constexpr std::size_t kFoldersNamed = 5;
// The box grows with its widest line; a folder deep down would make it wider than a screen.
constexpr std::size_t kLongestShown = 60;

std::string shownFolder(const std::string& relative) {
    if (relative.empty()) return "the folder itself";
    if (relative.size() <= kLongestShown) return relative;
    return "..." + relative.substr(relative.size() - (kLongestShown - 3));
}

// Folders end in "\" (the root is empty); the other items are links to files.
std::string countedNoun(const std::vector<std::string>& top, const std::vector<std::string>& bottom,
                        std::size_t count) {
    std::size_t links = 0;
    for (const auto* side : {&top, &bottom})
        for (const std::string& item : *side) links += !item.empty() && item.back() != '\\';
    if (links == 0) return count == 1 ? "folder" : "folders";
    if (links == count) return count == 1 ? "link to a file" : "links to files";
    return "folders and links to files";
}

}  // namespace

std::string unreadFolderNotice(const std::vector<std::string>& top,
                               const std::vector<std::string>& bottom) {
    std::size_t count = top.size() + bottom.size();
    if (count == 0) return {};
    std::string text = "Evenkeeper did not read " + std::to_string(count) + " " +
                       countedNoun(top, bottom, count) + ":\n";
    std::size_t named = 0;
    for (const auto* side : {&top, &bottom}) {
        const char* sideName = side == &top ? "top: " : "bottom: ";
        for (const std::string& folder : *side)
            if (named++ < kFoldersNamed) text += sideName + shownFolder(folder) + "\n";
    }
    if (count > kFoldersNamed) text += "and " + std::to_string(count - kFoldersNamed) + " more\n";
    return text + "(folder links, links to files, system folders, folders without access, "
                  "paths too long)\nNothing in or through them will be copied or deleted.";
}

}  // namespace evenkeeper
