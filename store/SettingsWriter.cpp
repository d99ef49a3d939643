#include "store/SettingsWriter.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/PathHelpers.h"
#include "engine/TemporaryName.h"
#include "platform/DirectorySearch.h"
#include "platform/Utf8Text.h"

namespace evenkeeper {
namespace {
constexpr char kLineEnd[] = "\r\n";
}  // namespace

SettingsWriter::SettingsWriter(FileSystem& files, int nameLength, int lineLength,
                               Reallocate reallocate)
    : files_(files),
      nameLength_(std::size_t(std::max(nameLength, 3))),
      lineLength_(std::size_t(std::max(lineLength, 2))),
      reallocate_(reallocate) {}

SettingsWriter::~SettingsWriter() { release(); }

bool SettingsWriter::begin(std::size_t initialCapacity, std::size_t growthStep) {
    release();
    text_ = static_cast<char*>(reallocate_(nullptr, std::max<std::size_t>(initialCapacity, 1)));
    if (!text_) return false;
    capacity_ = std::max<std::size_t>(initialCapacity, 1);
    growthStep_ = growthStep;
    text_[0] = '\0';
    return true;
}

void SettingsWriter::release() {
    std::free(text_);
    text_ = nullptr;
    capacity_ = length_ = 0;
    failed_ = false;
}

// The text stays terminated, so the block always keeps one character spare.
void SettingsWriter::append(const char* text, std::size_t length) {
    if (!text_ || failed_) {
        failed_ = true;
        return;
    }
    if (length_ + length >= capacity_) {
        std::size_t steps = growthStep_ ? (length_ + length - capacity_) / growthStep_ + 1 : 0;
        void* block = steps ? reallocate_(text_, capacity_ + steps * growthStep_) : nullptr;
        if (!block) {
            failed_ = true;
            return;
        }
        text_ = static_cast<char*>(block);
        capacity_ += steps * growthStep_;
    }
    std::memcpy(text_ + length_, text, length);
    length_ += length;
    text_[length_] = '\0';
}

void SettingsWriter::addSection(const char* name) {
    std::string line = "[";
    line.append(name, utf8FitLength(name, std::strlen(name), nameLength_ - 3));
    line += "]";
    line += kLineEnd;
    append(line.data(), line.size());
}

void SettingsWriter::addLine(const char* text) {
    std::string line = text;
    line += kLineEnd;
    append(line.data(), line.size());
}

void SettingsWriter::addKeyLine(const char* key, const char* value) {
    std::size_t room = lineLength_ - 2;
    // Cut between characters: half a letter would make the line read as the legacy code page.
    std::size_t keyLength = utf8FitLength(key, std::strlen(key), room);
    std::string line(key, keyLength);
    line += "=";
    line.append(value, utf8FitLength(value, std::strlen(value), room - keyLength));
    line += kLineEnd;
    append(line.data(), line.size());
}

void SettingsWriter::addInt(const char* key, std::int32_t value) {
    char number[16];
    std::snprintf(number, sizeof number, "%" PRId32, value);
    addKeyLine(key, number);
}

void SettingsWriter::addUnsigned(const char* key, std::uint32_t value) {
    char number[16];
    std::snprintf(number, sizeof number, "%" PRIu32, value);
    addKeyLine(key, number);
}

void SettingsWriter::addString(const char* key, const char* value) { addKeyLine(key, value); }

void SettingsWriter::addBytes(const char* key, const std::uint8_t* bytes, int count) {
    std::string value;
    char digits[4];
    for (int i = 0; i < count; ++i) {
        std::snprintf(digits, sizeof digits, "%02X ", unsigned(bytes[i]));
        value += digits;
    }
    addKeyLine(key, value.c_str());
}

bool SettingsWriter::writeTo(const char* path) {
    std::size_t length = std::strlen(path);
    if (!text_ || failed_ || length == 0 || length >= std::size_t(kMaxPath)) return false;
    std::string temporary;
    FileHandle file = createTemporaryBeside(path, temporary);
    if (!file) return writeInPlace(path);
    ReplaceResult result = writeAndClose(file) ? files_.replaceFile(temporary.c_str(), path)
                                               : ReplaceResult::refused;
    if (result == ReplaceResult::replaced) return true;
    files_.deleteFile(temporary.c_str());
    return result == ReplaceResult::onlyInPlace && writeInPlace(path);
}

// Made new under a name of its own, so that no file of the user's is ever taken for it.
FileHandle SettingsWriter::createTemporaryBeside(const char* path, std::string& temporary) {
    char folder[kMaxPath];
    std::strcpy(folder, path);
    cutToFolder(folder);
    for (unsigned number = 0; number < kTemporaryNames; ++number) {
        temporary = std::string(folder) + temporaryName(number);
        if (temporary.size() >= std::size_t(kMaxPath)) return nullptr;
        FileHandle file = nullptr;
        CreateResult result = files_.createNewFile(temporary.c_str(), file);
        if (result != CreateResult::alreadyExists) return file;
    }
    return nullptr;
}

bool SettingsWriter::writeInPlace(const char* path) {
    FileHandle file = files_.createFile(path);
    return file && writeAndClose(file);
}

bool SettingsWriter::writeAndClose(FileHandle file) {
    bool written = files_.writeFile(file, text_, std::uint32_t(length_));
    files_.closeFile(file);
    return written;
}

}  // namespace evenkeeper
