// The settings text syntax as the reader sees it: line ends, section and key matching, the
// value encodings, and lines longer than any room, which are cut without overflowing.
#include <gtest/gtest.h>

#include "MemoryFileSystem.h"
#include "platform/TextCompare.h"
#include "store/SettingsReader.h"
#include "store/SettingsText.h"

namespace evenkeeper::test {
namespace {

using Lines = std::vector<std::string>;

struct ReaderOf {
    explicit ReaderOf(const std::string& text) {
        files.files["C:\\s.ini"] = text;
        EXPECT_TRUE(reader.load("C:\\s.ini"));
    }
    MemoryFileSystem files;
    SettingsReader reader{files, systemTextCompare(), kSettingsNameLength, kSettingsLineLength};

    Lines linesOf(const char* section) {
        Lines lines;
        char line[400];
        if (!reader.findSection(section)) return {"no section"};
        while (reader.nextLine(line, sizeof line)) lines.push_back(line);
        EXPECT_STREQ(line, "");
        return lines;
    }
};

TEST(SettingsReader, AcceptsEveryLineEnd) {
    const struct {
        const char* text;
        Lines lines;
    } cases[] = {
        {"[s]\r\na\r\nb", {"a", "b"}},   // the last line without an end is a line
        {"[s]\r\na\r\nb\r\n", {"a", "b"}},  // no empty line after the last end
        {"[s]\na\nb\n", {"a", "b"}},
        {"[s]\ra\rb\r", {"a", "b"}},
        {"[s]\n\ra\n", {"", "a"}},  // LF then CR: an end and an empty line
        {"[s]\r\n\r\n\r\nb", {"", "", "b"}},
        {"[s]", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ReaderOf(c.text).linesOf("s"), c.lines) << c.text;
}

TEST(SettingsReader, MatchesSectionNamesWithAsciiLettersFolded) {
    const struct {
        const char* header;
        const char* name;
        bool found;
    } cases[] = {
        {"[Program Settings", "Program Settings", true},
        {"[program settings]", "Program Settings", true},
        {"[A]", "a", true},
        {"[a]ignored", "a", true},
        {"[ a ]", "a", false},
        {"[ a ]", " a ", true},
        {u8"[é]", u8"É", false},  // only "a" to "z" are folded
        {"[ab]", "a", false},
        {"[a]", "ab", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReaderOf(std::string("x=1\n") + c.header + "\nk=v").reader.findSection(c.name),
                  c.found)
            << c.header << " / " << c.name;
}

TEST(SettingsReader, CutsAnAskedSectionNameTo41Characters) {
    ReaderOf file("[" + std::string(41, 'N') + "]\nk=v");
    EXPECT_TRUE(file.reader.findSection(std::string(60, 'n').c_str()));
    EXPECT_FALSE(file.reader.findSection(std::string(40, 'n').c_str()));
}

TEST(SettingsReader, FindsTheFirstMatchingKeyOfTheCurrentSectionOnly) {
    ReaderOf file(
        "DataFile=before any header\n[P]\nno equals sign\nIndex=3\nDataFile=C:\\a=b.txt\n"
        "Empty=\n key=trimmed never\nindex=4\n[Q]\nOther=1\n[p]\nIndex=9\n");
    char value[64];
    ASSERT_TRUE(file.reader.findSection("p"));
    std::int32_t number = 0;
    EXPECT_TRUE(file.reader.getInt("index", number, -1));
    EXPECT_EQ(number, 3);
    EXPECT_TRUE(file.reader.getString("datafile", value, sizeof value, "default"));
    EXPECT_STREQ(value, "C:\\a=b.txt");
    EXPECT_TRUE(file.reader.getString("Empty", value, sizeof value, "default"));
    EXPECT_STREQ(value, "");
    EXPECT_FALSE(file.reader.getString("key", value, sizeof value, "default"));
    EXPECT_STREQ(value, "default");
    EXPECT_FALSE(file.reader.getInt("Other", number, -1));
    EXPECT_EQ(number, -1);
    // A failed search leaves no current section, so no key is found any more.
    EXPECT_FALSE(file.reader.findSection("R"));
    EXPECT_FALSE(file.reader.getInt("index", number, -1));
}

TEST(SettingsReader, ReadsSignedIntegersThatWrapAt32Bits) {
    const struct {
        const char* value;
        std::int32_t number;
    } cases[] = {{"12abc", 12}, {"abc", 0}, {" -7", -7}, {"\t+5", 5}, {"", 0}, {"-", 0},
                 {"4294967295", -1}, {"4294967296", 0}, {"-2147483648", INT32_MIN},
                 {"99999999999", 1215752191}};
    for (const auto& c : cases) {
        ReaderOf file(std::string("[s]\nk=") + c.value);
        std::int32_t number = 42;
        file.reader.findSection("s");
        EXPECT_TRUE(file.reader.getInt("k", number, 42));
        EXPECT_EQ(number, c.number) << "'" << c.value << "'";
    }
}

TEST(SettingsReader, DecodesByteListsUpToTheFirstFault) {
    const struct {
        const char* line;
        bool complete;
        std::vector<int> bytes;
    } cases[] = {
        {"k=0A 00 00 00 ", true, {0x0A, 0, 0, 0}},
        {"k=0A 00 00 FF", true, {0x0A, 0, 0, 0xFF}},  // nothing to skip at the end
        {"k=00 01", false, {0, 1, 0, 0}},
        {"k=0a 00 00 00 ", false, {0, 0, 0, 0}},  // lower case is no digit
        {"k=12 3", false, {0x12, 0, 0, 0}},
        {"k=12x34y56z78", true, {0x12, 0x34, 0x56, 0x78}},  // the separator is not examined
        {"other=1", false, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        ReaderOf file(std::string("[s]\n") + c.line);
        std::uint8_t out[4] = {9, 9, 9, 9};
        file.reader.findSection("s");
        EXPECT_EQ(file.reader.getBytes("k", out, 4), c.complete) << c.line;
        EXPECT_EQ(std::vector<int>(out, out + 4), c.bytes) << c.line;
    }
}

TEST(SettingsReader, NextLineStopsAtTheNextHeaderAndThenReadsItsSection) {
    ReaderOf file("[a]\none\n[b]\ntwo\n");
    char line[8] = "x";
    ASSERT_TRUE(file.reader.findSection("a"));
    EXPECT_TRUE(file.reader.nextLine(line, sizeof line));
    EXPECT_FALSE(file.reader.nextLine(line, sizeof line));
    EXPECT_STREQ(line, "");
    EXPECT_TRUE(file.reader.nextLine(line, sizeof line));
    EXPECT_STREQ(line, "two");
    EXPECT_FALSE(file.reader.nextLine(line, sizeof line));
}

TEST(SettingsReader, CutsOverlongLinesAndValuesToTheRoomGiven) {
    std::string longValue(400, 'v');
    ReaderOf file("[" + std::string(500, 's') + "]\n[s]\n" + std::string(350, 'r') + "\nnext\nk=" +
                  longValue + "\n");
    char small[8], room[400];
    ASSERT_TRUE(file.reader.findSection("s"));
    EXPECT_TRUE(file.reader.nextLine(small, sizeof small));
    EXPECT_STREQ(small, "rrrrrrr");
    EXPECT_TRUE(file.reader.nextLine(small, sizeof small));
    EXPECT_STREQ(small, "next");
    // A key line is examined in 301 characters: "k=" and 299 of the value.
    EXPECT_TRUE(file.reader.getString("k", room, sizeof room, ""));
    EXPECT_EQ(std::string(room), longValue.substr(0, 299));
    EXPECT_TRUE(file.reader.getString("k", small, sizeof small, ""));
    EXPECT_STREQ(small, "vvvvvvv");
    EXPECT_FALSE(file.reader.getString("missing", small, sizeof small, "a long default"));
    EXPECT_STREQ(small, "a long ");
}

TEST(SettingsReader, AFailedLoadLeavesNoTextAndAnEmptyFileNoLines) {
    ReaderOf file("[s]\nk=1");
    std::int32_t number;
    EXPECT_FALSE(file.reader.load("C:\\missing.ini"));
    EXPECT_FALSE(file.reader.findSection("s"));
    EXPECT_FALSE(file.reader.getInt("k", number, 0));
    EXPECT_EQ(ReaderOf("").linesOf("s"), Lines{"no section"});
}

}  // namespace
}  // namespace evenkeeper::test
