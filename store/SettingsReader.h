#pragma once
// Reads the text of a settings file: sections, key lines and raw lines.
//
//   [Section name]      a line beginning with "["; the name runs to "]" or the line end
//   key=value           a key line of the section: key before the first "=", value after it
//   any other text      a raw line, read by position with nextLine
//
// Lines end in CR LF, a lone CR or a lone LF. Nothing is trimmed, quoted or escaped. The
// text is UTF-8; a line that is not (a file of an older version) is read in the system's
// legacy code page. Section names match with "a"-"z" folded to upper case, keys with the
// system's case-insensitive comparison; the first match wins. Lines longer than the reader's
// room are cut, never overflowed, and every text handed out is cut to the caller's room,
// between characters.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/TextCompare.h"

namespace evenkeeper {

class SettingsReader {
public:
    SettingsReader(FileSystem& files, const TextCompare& compare, int nameLength, int lineLength);

    // Reads the whole file, shared with nobody while it is read; false when it cannot be
    // read, and then the reader holds no text. Either way there is no current section.
    bool load(const char* path);
    // Makes the first section of that name current, its first line the read position.
    bool findSection(const char* name);
    // The key's value in the current section; out gets the default when it is not there.
    bool getInt(const char* key, std::int32_t& out, std::int32_t defaultValue);
    bool getString(const char* key, char* out, int size, const char* defaultValue);
    // Decodes count bytes of two upper-case hexadecimal digits and one separator each. out
    // is zeroed first; on a malformed value the bytes before the fault stay decoded.
    bool getBytes(const char* key, std::uint8_t* out, int count);
    // The line at the read position when it belongs to the section; at a section header
    // out is empty and the result false, and the position has moved past that header.
    bool nextLine(char* out, int size);
    void release();
    // The number of characters loaded.
    std::size_t length() const { return text_.size(); }

private:
    static constexpr std::size_t kNone = std::string::npos;

    // Copies the line at the read position into out (cut to size - 1 characters) and steps
    // past its line end; the line's start in the text, or kNone at the end of the text.
    std::size_t readLine(char* out, std::size_t size);
    // The value of key in the current section, in line_; null when it is not there.
    const char* findKey(const char* key);

    FileSystem& files_;
    const TextCompare& compare_;
    std::size_t nameLength_;
    std::string text_;
    std::size_t position_ = 0;
    std::size_t section_ = kNone;
    std::vector<char> line_;  // the line a lookup examines
};

}  // namespace evenkeeper
