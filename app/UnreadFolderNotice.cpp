#include "app/UnreadFolderNotice.h"

#include "platform/Utf8Text.h"

namespace evenkeeper {
namespace {

constexpr std::size_t kFoldersNamed = 5;
// The box grows with its widest line; a folder deep down would make it wider than a screen.
constexpr std::size_t kLongestShown = 60;

std::string shownFolder(const std::string& relative) {
    if (relative.empty()) return "the folder itself";
    if (relative.size() <= kLongestShown) return relative;
    std::size_t from = relative.size() - (kLongestShown - 3);
    return "..." + relative.substr(utf8BoundaryFrom(relative.data(), relative.size(), from));
}

std::string counted(std::size_t count, const char* what) {
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

// The relative folders the scanners record end in "\" (the root is empty); files do not.
bool isFolder(const std::string& relative) { return relative.empty() || relative.back() == '\\'; }

}  // namespace

std::string unreadFolderNotice(const std::vector<std::string>& top,
                               const std::vector<std::string>& bottom) {
    std::size_t count = top.size() + bottom.size();
    if (count == 0) return {};
    std::size_t folders = 0;
    for (const auto* side : {&top, &bottom})
        for (const std::string& item : *side) folders += isFolder(item);
    std::size_t files = count - folders;
    std::string text = "Evenkeeper did not read ";
    if (folders > 0) text += counted(folders, "folder");
    if (folders > 0 && files > 0) text += " and ";
    if (files > 0) text += counted(files, "file");
    text += ":\n";
    std::size_t named = 0;
    for (const auto* side : {&top, &bottom}) {
        const char* sideName = side == &top ? "top: " : "bottom: ";
        for (const std::string& folder : *side)
            if (named++ < kFoldersNamed) text += sideName + shownFolder(folder) + "\n";
    }
    if (count > kFoldersNamed) text += "and " + std::to_string(count - kFoldersNamed) + " more\n";
    if (files == 0)
        return text + "(folder links, system folders, folders without access, paths too long)\n"
                      "Nothing in them will be copied or deleted.";
    return text + "(folder links, links to files, system folders, folders without access,\n"
                  "paths too long, names the system cannot carry)\n"
                  "None of them, and nothing in them, will be copied or deleted.";
}

}  // namespace evenkeeper
