#pragma once
// The files the program keeps for the user: "GlobalSettings.ini" and the data file in the
// per-user folder, and the log and the help page in the temporary folder.
#include <string>
#include <vector>

namespace evenkeeper::driver {

// The application data folder + "\TamrelFreeware\Evenkeeper\".
std::string userFolder();
std::string settingsFile();
std::string dataFile();
// A file of this name in the temporary folder.
std::string tempFile(const char* name);
std::string logFile();
std::string helpFile();
// Removes both settings files, so that the program starts as on its first run.
void clearUserFolder();

bool fileExists(const std::string& path);
// The file's text, empty when it cannot be read.
std::string readFile(const std::string& path);
// Writes the file anew with the text; false when it could not.
bool writeFile(const std::string& path, const std::string& text);
// The lines of a text whose lines end in CR LF.
std::vector<std::string> linesOf(const std::string& text);
// The six lines of the data file's first record, after its header "[a]".
std::vector<std::string> firstRecord();
// Today's local date as the program writes it: MM/DD/YY.
std::string today();

}  // namespace evenkeeper::driver
