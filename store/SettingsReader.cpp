#include "store/SettingsReader.h"

#include <algorithm>
#include <cstring>

#include "platform/LegacyCodePage.h"
#include "platform/Utf8Text.h"
#include "store/SettingsText.h"

namespace evenkeeper {
namespace {

void upperAscii(char* text) {
    for (; *text; ++text)
        if (*text >= 'a' && *text <= 'z') *text = char(*text - 'a' + 'A');
}

// Copies length bytes of text into out, cut between characters to size - 1 bytes.
void copyCut(char* out, std::size_t size, const char* text, std::size_t length) {
    if (size == 0) return;
    length = utf8FitLength(text, length, size - 1);
    std::memcpy(out, text, length);
    out[length] = '\0';
}

void copyCut(char* out, int size, const char* text) {
    if (size > 0) copyCut(out, std::size_t(size), text, std::strlen(text));
}

// The files are UTF-8 now; those written before hold the system's legacy code page, so a
// line that is not UTF-8 is read in that code page.
void convertLegacyLines(std::string& text) {
    if (isUtf8(text.data(), text.size())) return;
    std::string converted;
    converted.reserve(text.size() + text.size() / 4);
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        std::size_t next = text.find_first_not_of("\r\n", end);
        if (next == std::string::npos) next = text.size();
        if (isUtf8(text.data() + start, end - start))
            converted.append(text, start, end - start);
        else
            appendFromLegacyCodePage(text.data() + start, end - start, converted);
        converted.append(text, end, next - end);
        start = next;
    }
    text.swap(converted);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

SettingsReader::SettingsReader(FileSystem& files, const TextCompare& compare, int nameLength,
                               int lineLength)
    : files_(files),
      compare_(compare),
      nameLength_(std::size_t(std::max(nameLength, 0))),
      line_(std::size_t(std::max(lineLength, 0)) + 2) {}

bool SettingsReader::load(const char* path) {
    section_ = kNone;
    position_ = 0;
    if (files_.readWholeFile(path, text_)) {
        convertLegacyLines(text_);
        return true;
    }
    release();
    return false;
}

void SettingsReader::release() {
    text_.clear();
    text_.shrink_to_fit();
    position_ = 0;
    section_ = kNone;
}

std::size_t SettingsReader::readLine(char* out, std::size_t size) {
    if (position_ >= text_.size()) return kNone;
    std::size_t start = position_;
    std::size_t end = text_.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text_.size();
    copyCut(out, size, text_.data() + start, end - start);
    position_ = end;
    if (position_ < text_.size() && text_[position_] == '\r') ++position_;
    if (position_ < text_.size() && text_[position_] == '\n') ++position_;
    return start;
}

bool SettingsReader::findSection(const char* name) {
    std::vector<char> wanted(nameLength_ + 2);
    copyCut(wanted.data(), int(wanted.size()), name);
    upperAscii(wanted.data());
    position_ = 0;
    section_ = kNone;
    char* line = line_.data();
    for (std::size_t start; (start = readLine(line, line_.size())) != kNone;) {
        if (text_[start] != '[') continue;
        char* header = line + 1;
        if (char* close = std::strchr(header, ']')) *close = '\0';
        upperAscii(header);
        if (std::strcmp(header, wanted.data()) == 0) {
            section_ = position_;
            return true;
        }
    }
    return false;
}

const char* SettingsReader::findKey(const char* key) {
    if (section_ == kNone) return nullptr;
    position_ = section_;
    char* line = line_.data();
    for (std::size_t start; (start = readLine(line, line_.size())) != kNone;) {
        if (text_[start] == '[') return nullptr;
        char* equals = std::strchr(line, '=');
        if (!equals) continue;
        *equals = '\0';
        if (compare_.equalNoCase(line, key)) return equals + 1;
    }
    return nullptr;
}

bool SettingsReader::getInt(const char* key, std::int32_t& out, std::int32_t defaultValue) {
    const char* value = findKey(key);
    out = value ? readSignedInt(value) : defaultValue;
    return value != nullptr;
}

bool SettingsReader::getString(const char* key, char* out, int size, const char* defaultValue) {
    const char* value = findKey(key);
    copyCut(out, size, value ? value : defaultValue);
    return value != nullptr;
}

bool SettingsReader::getBytes(const char* key, std::uint8_t* out, int count) {
    if (count > 0) std::memset(out, 0, std::size_t(count));
    const char* value = findKey(key);
    if (!value) return false;
    for (int i = 0; i < count; ++i) {
        int high = hexDigit(value[0]);
        int low = high < 0 ? -1 : hexDigit(value[1]);
        if (low < 0) return false;
        out[i] = std::uint8_t(high * 16 + low);
        value += 2;
        if (*value) ++value;
    }
    return true;
}

bool SettingsReader::nextLine(char* out, int size) {
    if (size > 0) out[0] = '\0';
    std::size_t start = readLine(out, size > 0 ? std::size_t(size) : 0);
    if (start == kNone) return false;
    if (text_[start] == '[') {
        if (size > 0) out[0] = '\0';
        return false;
    }
    return true;
}

}  // namespace evenkeeper
