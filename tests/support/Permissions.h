#pragma once
#include <cstdlib>

#include "support/TempTree.h"

// Permission tests need a user whom permissions stop. Run privileged they are skipped,
// unless the runner demands an unprivileged run (scripts/test does), where a skip would
// hide that nothing was tested.
#define REQUIRE_UNPRIVILEGED()                                                          \
    do {                                                                                \
        if (::evenkeeper::test::runningPrivileged()) {                                  \
            if (std::getenv("EVENKEEPER_REQUIRE_UNPRIVILEGED"))                         \
                FAIL() << "running privileged where an unprivileged user was required"; \
            GTEST_SKIP() << "permissions do not stop this user; scripts/test runs "     \
                            "this test again as an unprivileged user";                  \
        }                                                                               \
    } while (0)
