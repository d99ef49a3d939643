#pragma once
// Who the program is and where its maker's page is: the about box shows them, the help page
// carries them, and "Check for updates" opens the page. One place, so that they never
// disagree.

namespace evenkeeper {

constexpr char kProgramVersion[] = "Evenkeeper 1.02";
constexpr char kNoticeLine[] = "Freeware (c) 2026 TamrelFreeware";
constexpr char kHomePage[] = "http://tamrel.example/evenkeeper/";

}  // namespace evenkeeper
