// Stands in for the browser while the driver tests run: the shell starts it with a record
// file and the document or address it was asked to open, and it appends the latter to the
// former as one line. A program of the Windows subsystem, so that no console comes up.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc != 3) return 2;
    std::FILE* record = std::fopen(__argv[1], "ab");
    if (!record) return 1;
    const bool written = std::fprintf(record, "%s\n", __argv[2]) > 0;
    return std::fclose(record) == 0 && written ? 0 : 1;
}
