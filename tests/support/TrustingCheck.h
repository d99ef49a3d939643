#pragma once
#include "engine/TargetCheck.h"

namespace evenkeeper::test {

// A run that trusts the plan and looks at nothing a row replaces or deletes: the benchmarks'
// measure of what the look costs.
struct TrustingCheck : TargetCheck {
    bool mayCopyOnto(const FileEntry&, const char*, const char*, const FileState&) override {
        return true;
    }
    bool mayDelete(const FileEntry&, const char*, const FileState&) override { return true; }
    void copied(const char*) override {}
};

}  // namespace evenkeeper::test
