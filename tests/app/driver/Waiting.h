#pragma once
// Waiting for the program with a limit, so that a test fails instead of hanging.
#include <functional>

namespace evenkeeper::driver {

constexpr unsigned kPatienceMs = 5000;

// Polls until ready() holds; false when the limit passed first.
bool waitUntil(const std::function<bool()>& ready, unsigned limitMs = kPatienceMs);

// Closes the viewer that the shell opened for the log, if one comes within half a second.
void closeLogViewer();

}  // namespace evenkeeper::driver
