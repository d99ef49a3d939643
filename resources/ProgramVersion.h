#pragma once
// The program's version, in one place: the resource script's version information, the about
// box, the help page and the release's file names all come from here. Plain macros, because
// the resource compiler reads this file too. The text is the major number, a point and the
// minor number in two digits; the version information's numbers are major.minor.0.0.
#define EVENKEEPER_VERSION_MAJOR 1
#define EVENKEEPER_VERSION_MINOR 2
#define EVENKEEPER_VERSION_TEXT "1.02"
#define EVENKEEPER_VERSION_NUMBERS EVENKEEPER_VERSION_MAJOR, EVENKEEPER_VERSION_MINOR, 0, 0
