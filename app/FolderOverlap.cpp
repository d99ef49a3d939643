#include "app/FolderOverlap.h"

#include <algorithm>

namespace evenkeeper {
namespace {

// Whether inner lies in outer at most levels folders down (0: it is outer itself).
bool liesWithin(const std::string& outer, const std::string& inner, int levels,
                const TextCompare& compare) {
    if (inner.size() < outer.size()) return false;
    if (!compare.equalNoCase(outer.c_str(), inner.substr(0, outer.size()).c_str())) return false;
    long depth = std::count(inner.begin() + long(outer.size()), inner.end(), '\\');
    return depth <= levels;
}

}  // namespace

bool foldersOverlap(const std::string& top, const std::string& bottom, int levels,
                    const TextCompare& compare) {
    return liesWithin(top, bottom, levels, compare) || liesWithin(bottom, top, levels, compare);
}

bool lineagesOverlap(const std::vector<FileIdentity>& top, const std::vector<FileIdentity>& bottom,
                     int levels) {
    if (top.empty() || bottom.empty()) return false;
    for (std::size_t up = 0; up <= std::size_t(levels); ++up) {
        if (up < bottom.size() && bottom[up] == top[0]) return true;
        if (up < top.size() && top[up] == bottom[0]) return true;
    }
    return false;
}

}  // namespace evenkeeper
