#include "support/PlanFixture.h"

#include <cstring>

namespace evenkeeper::test {

PlanFixture::PlanFixture(DirectorySearch* search, const TextCompare* compareWith,
                         Reallocate reallocate)
    : compare(compareWith ? *compareWith : systemTextCompare()),
      top({search ? *search : tree, compare, dialog, pump, reallocate}),
      bottom({search ? *search : tree, compare, dialog, pump, reallocate}) {
    session.currentOperation = &operation;
}

bool PlanFixture::scan(const std::string& topRoot, const std::string& bottomRoot) {
    std::strcpy(operation.topFolder, topRoot.c_str());
    std::strcpy(operation.bottomFolder, bottomRoot.c_str());
    session.scanValid = false;
    top.reset();
    if (top.scan(operation.topFolder, operation.levels) != 0) return false;
    bottom.reset();
    if (bottom.scan(operation.bottomFolder, operation.levels) != 0) return false;
    session.scanValid = true;
    return true;
}

SyncContext PlanFixture::context() {
    return {top, bottom, session, dialog, progress, rows, pump};
}

std::vector<std::string> PlanFixture::plan(Operation op, Direction direction, EntryMatcher* matcher) {
    operation.operation = op;
    operation.direction = direction;
    DifferenceFinder finder(context(), compare, matcher);
    finder.findDifferences();
    return rows.describe();
}

}  // namespace evenkeeper::test
