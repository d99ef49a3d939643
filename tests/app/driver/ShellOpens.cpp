#include "app/driver/ShellOpens.h"

#include <windows.h>

#include "app/driver/ProgramFiles.h"
#include "app/driver/ProgramProcess.h"
#include "app/driver/Waiting.h"

namespace evenkeeper::driver {
namespace {

// Wine's shell reads the machine's classes only, not the user's. A fresh prefix knows no
// ".htm" files; they are HTML documents here, and ".txt" files (the log) text documents.
constexpr const char* kExtensions[][2] = {{".htm", "htmlfile"}, {".txt", "txtfile"}};
constexpr const char* kHandlerKeys[] = {
    "htmlfile\\shell\\open\\command",
    "txtfile\\shell\\open\\command",
    "http\\shell\\open\\command",
    "https\\shell\\open\\command",
};

// The key's default value; empty when it has none.
std::string valueOf(const char* key) {
    char value[1024] = {};
    LONG size = sizeof value;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, key, value, &size) != ERROR_SUCCESS) return {};
    return value;
}

bool setValue(const char* key, const std::string& value) {
    return RegSetValueA(HKEY_CLASSES_ROOT, key, REG_SZ, value.c_str(), DWORD(value.size())) ==
           ERROR_SUCCESS;
}

// Puts back the value a key had, or removes the key when it had none.
void restore(const char* key, const std::string& value) {
    if (value.empty()) RegDeleteKeyA(HKEY_CLASSES_ROOT, key);
    else setValue(key, value);
}

}  // namespace

ShellOpens::ShellOpens() : record_(tempFile("evenkeeper-shell-opens.txt")) {
    DeleteFileA(record_.c_str());
    for (const auto& [extension, documentClass] : kExtensions) {
        previousClasses_.push_back(valueOf(extension));
        installed_ = setValue(extension, documentClass) && installed_;
    }
    const std::string recorder =
        "\"" + besideDriver("shell_recorder.exe") + "\" \"" + record_ + "\" \"%1\"";
    for (const char* key : kHandlerKeys) {
        previousHandlers_.push_back(valueOf(key));
        installed_ = setValue(key, recorder) && valueOf(key) == recorder && installed_;
    }
}

ShellOpens::~ShellOpens() {
    for (std::size_t i = 0; i < previousHandlers_.size(); ++i)
        restore(kHandlerKeys[i], previousHandlers_[i]);
    for (std::size_t i = 0; i < previousClasses_.size(); ++i)
        restore(kExtensions[i][0], previousClasses_[i]);
    DeleteFileA(record_.c_str());
}

std::vector<std::string> ShellOpens::opened() const {
    std::vector<std::string> lines;
    const std::string text = readFile(record_);
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

bool ShellOpens::waitFor(std::size_t count) const {
    return waitUntil([&] { return opened().size() >= count; });
}

}  // namespace evenkeeper::driver
