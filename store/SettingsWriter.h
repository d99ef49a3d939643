#pragma once
// Builds the text of a settings file in one growable block and writes it out in one piece.
// The file is replaced only once its whole new text is on the disk: the text goes to a
// temporary file beside it first, which then takes the file's place in one step.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/Reallocate.h"
#include "platform/FileSystem.h"

namespace evenkeeper {

class SettingsWriter {
public:
    // reallocate grows the block; tests hand in one that fails on demand.
    SettingsWriter(FileSystem& files, int nameLength, int lineLength,
                   Reallocate reallocate = std::realloc);
    ~SettingsWriter();
    SettingsWriter(const SettingsWriter&) = delete;
    SettingsWriter& operator=(const SettingsWriter&) = delete;

    // An empty text in a block of initialCapacity characters that grows by growthStep.
    bool begin(std::size_t initialCapacity, std::size_t growthStep);

    // Each appends one line ended by CR LF. Section names and key lines longer than the
    // writer's lengths are cut.
    void addSection(const char* name);
    void addLine(const char* text);
    void addInt(const char* key, std::int32_t value);
    void addUnsigned(const char* key, std::uint32_t value);
    void addString(const char* key, const char* value);
    // Two upper-case hexadecimal digits and a blank per byte.
    void addBytes(const char* key, const std::uint8_t* bytes, int count);

    // Set for good once an append could not grow the block; then nothing is written.
    bool failed() const { return failed_; }
    const char* text() const { return text_; }
    std::size_t length() const { return length_; }

    // Writes the text to a new temporary file beside path and moves it over path, which
    // keeps its attributes. False, with path untouched, when the text is incomplete, path
    // is longer than 259 characters, path may not be written, or a step fails. Where no
    // temporary file can be made, or none can take path's place, path is written in place.
    bool writeTo(const char* path);
    void release();

private:
    void append(const char* text, std::size_t length);
    void addKeyLine(const char* key, const char* value);
    // Null, with no file made, when no name fits or the folder takes no new file.
    FileHandle createTemporaryBeside(const char* path, std::string& temporary);
    bool writeInPlace(const char* path);
    bool writeAndClose(FileHandle file);

    FileSystem& files_;
    std::size_t nameLength_;
    std::size_t lineLength_;
    Reallocate reallocate_;
    char* text_ = nullptr;
    std::size_t capacity_ = 0;
    std::size_t length_ = 0;
    std::size_t growthStep_ = 0;
    bool failed_ = false;
};

}  // namespace evenkeeper
