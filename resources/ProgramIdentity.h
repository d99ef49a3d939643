#pragma once
// Who the program is and where its maker's page is: the about box shows them, the help page
// carries them, and "Check for updates" opens the page. One place, so that they never
// disagree.

#include "resources/ProgramVersion.h"

namespace evenkeeper {

static_assert(EVENKEEPER_VERSION_MAJOR < 10 && EVENKEEPER_VERSION_MINOR < 100 &&
                  EVENKEEPER_VERSION_TEXT[0] == '0' + EVENKEEPER_VERSION_MAJOR &&
                  EVENKEEPER_VERSION_TEXT[1] == '.' &&
                  EVENKEEPER_VERSION_TEXT[2] == '0' + EVENKEEPER_VERSION_MINOR / 10 &&
                  EVENKEEPER_VERSION_TEXT[3] == '0' + EVENKEEPER_VERSION_MINOR % 10 &&
                  EVENKEEPER_VERSION_TEXT[4] == '\0',
              "the version text is not the version numbers");

constexpr char kProgramVersion[] = "Evenkeeper " EVENKEEPER_VERSION_TEXT;
constexpr char kNoticeLine[] = "Freeware (c) 2026 TamrelFreeware";
constexpr char kHomePage[] = "http://tamrel.example/evenkeeper/";

}  // namespace evenkeeper
