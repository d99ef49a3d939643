// Writes the help page's text to the file named on the command line, so that tools outside
// the program (an XML checker, a browser) can look at what "Program info" writes.
#include <cstdio>

#include "resources/HelpPageText.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_help_page FILE\n");
        return 2;
    }
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file) return 1;
    const std::string& text = evenkeeper::helpPageText();
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written ? 0 : 1;
}
