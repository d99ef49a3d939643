#pragma once
// What the Results dialog has drawn, read from the screen's pixels: for each line's place
// (one line height apart, below one empty line) whether its number and its label column,
// and the one character wide gap between them, hold any pixel other than the dialog's face
// colour, and where that ink begins and ends.
// The program draws with the font a fresh context of its window has; the driver's context
// of the same window has that font too, so it measures the same line height.
#include <windows.h>

#include <string>
#include <vector>

namespace evenkeeper::driver {

struct DrawnLine {
    bool number = false;
    bool label = false;
    bool gap = false;      // ink between the columns: a number or a label out of its place
    int numberRight = -1;  // one past the number's last inked column, client x
    int labelLeft = -1;    // the label's first inked column, client x
};

struct DrawnLines {
    int charWidth = 0;
    int lineHeight = 0;
    // Every line place above the dialog's "Ok" button.
    std::vector<DrawnLine> lines;
};

DrawnLines readDrawnLines(HWND results);

// Which line places hold a number and a label, as "11011": 1 both, 0 neither, ? one only.
std::string inkPattern(const DrawnLines& drawn);

}  // namespace evenkeeper::driver
