#pragma once
// One program per user: two programs on one data file would each save over the other's
// edits at exit. A second start brings the running program to the front and ends.
#include <windows.h>

namespace evenkeeper {

class SingleInstance {
public:
    SingleInstance() = default;
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when no other program of this user runs; otherwise the running one is brought
    // to the front and the result is false.
    bool claim();

private:
    HANDLE mutex_ = nullptr;
};

}  // namespace evenkeeper
