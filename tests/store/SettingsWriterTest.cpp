// The writer's line formats byte for byte, its limits, its growth, and the safe replacement
// of the file: a write that fails at any step leaves the previous file as it was.
#include <gtest/gtest.h>

#include <cstdlib>

#include "MemoryFileSystem.h"
#include "platform/TextCompare.h"
#include "store/SettingsReader.h"
#include "store/SettingsText.h"
#include "store/SettingsWriter.h"
#include "support/TempTree.h"
#include "support/TimeValues.h"

namespace evenkeeper::test {
namespace {

struct WriterTest : ::testing::Test {
    MemoryFileSystem files;
    SettingsWriter writer{files, kSettingsNameLength, kSettingsLineLength};
    void SetUp() override { ASSERT_TRUE(writer.begin(64000, 64000)); }
    std::string text() const { return std::string(writer.text(), writer.length()); }
};

TEST_F(WriterTest, WritesEachLineKind) {
    const std::uint8_t widths[16] = {0x40, 1, 0, 0, 0x5A, 0, 0, 0, 0x78, 0, 0, 0, 0xBE, 0, 0, 0};
    const std::uint8_t ten = 10;
    writer.addSection("Program Settings");
    writer.addBytes("Cols", widths, 16);
    writer.addBytes("one", &ten, 1);
    writer.addInt("int", -5);
    writer.addUnsigned("max", 4294967295u);
    writer.addString("DataFile", "");
    writer.addLine("raw line");
    EXPECT_EQ(text(),
              "[Program Settings]\r\n"
              "Cols=40 01 00 00 5A 00 00 00 78 00 00 00 BE 00 00 00 \r\n"
              "one=0A \r\n"
              "int=-5\r\n"
              "max=4294967295\r\n"
              "DataFile=\r\n"
              "raw line\r\n");
    // The largest unsigned value reads back as the same 32 bits.
    files.files["C:\\s.ini"] = text();
    SettingsReader reader(files, systemTextCompare(), kSettingsNameLength, kSettingsLineLength);
    std::int32_t value = 0;
    ASSERT_TRUE(reader.load("C:\\s.ini") && reader.findSection("program settings"));
    EXPECT_TRUE(reader.getInt("max", value, 0));
    EXPECT_EQ(value, -1);
}

TEST_F(WriterTest, CutsSectionNamesTo37AndKeyLinesTo298Characters) {
    writer.addSection(std::string(50, 's').c_str());
    writer.addString("key", std::string(400, 'v').c_str());
    writer.addString(std::string(400, 'k').c_str(), "value");
    EXPECT_EQ(text(), "[" + std::string(37, 's') + "]\r\nkey=" + std::string(295, 'v') + "\r\n" +
                          std::string(298, 'k') + "=\r\n");
}

void* failingSecondCall(void* block, std::size_t bytes) {
    static int calls = 0;
    if (block == nullptr) calls = 0;
    return ++calls == 2 ? nullptr : std::realloc(block, bytes);
}

TEST(SettingsWriterGrowth, GrowsByStepsAndStopsForGoodWhenGrowingFails) {
    MemoryFileSystem files;
    SettingsWriter growing(files, kSettingsNameLength, kSettingsLineLength);
    ASSERT_TRUE(growing.begin(8, 4));
    growing.addLine("a line longer than several steps");
    growing.addLine("x");
    EXPECT_EQ(std::string(growing.text()), "a line longer than several steps\r\nx\r\n");

    SettingsWriter failing(files, kSettingsNameLength, kSettingsLineLength, failingSecondCall);
    ASSERT_TRUE(failing.begin(8, 8));
    failing.addLine("fits");
    failing.addLine("does not fit");
    failing.addLine("x");
    EXPECT_TRUE(failing.failed());
    EXPECT_EQ(std::string(failing.text()), "fits\r\n");
    files.files["C:\\s.ini"] = "old";
    EXPECT_FALSE(failing.writeTo("C:\\s.ini"));
    EXPECT_EQ(files.files["C:\\s.ini"], "old");
    EXPECT_TRUE(files.created.empty());
}

TEST_F(WriterTest, AFailedWriteLeavesThePreviousFileAndNoTemporary) {
    writer.addLine("new text");
    const struct {
        const char* fault;
        int failWriteNumber;
        bool failCreate, failReplace;
    } faults[] = {{"write", 1, false, false}, {"create", 0, true, false}, {"replace", 0, false, true}};
    for (const auto& f : faults) {
        files.files = {{"C:\\s.ini", "old text"}};
        files.failWriteNumber = f.failWriteNumber;
        files.failCreate = f.failCreate;
        files.failReplace = f.failReplace;
        EXPECT_FALSE(writer.writeTo("C:\\s.ini")) << f.fault;
        EXPECT_EQ(files.files, (std::map<std::string, std::string>{{"C:\\s.ini", "old text"}}))
            << f.fault;
    }
    // Paths hold at most 259 characters.
    std::string longPath = "C:\\" + std::string(257, 'n');
    files.failCreate = files.failReplace = false;
    EXPECT_FALSE(writer.writeTo(longPath.c_str()));
    EXPECT_TRUE(writer.writeTo((longPath.substr(0, 259)).c_str()));
}

TEST(SettingsWriterOnDisk, ReplacesAnExistingFileWithTheWholeText) {
    TempTree tree;
    tree.file("GlobalSettings.ini", std::string(5000, 'o'), kBaseTime);
    SettingsWriter writer(systemFileSystem(), kSettingsNameLength, kSettingsLineLength);
    ASSERT_TRUE(writer.begin(64000, 32000));
    writer.addSection("Program Settings");
    writer.addString("DataFile", "D:\\x.txt");
    EXPECT_TRUE(writer.writeTo(tree.path("GlobalSettings.ini").c_str()));
    EXPECT_EQ(tree.read("GlobalSettings.ini"), "[Program Settings]\r\nDataFile=D:\\x.txt\r\n");
    EXPECT_FALSE(tree.exists("GlobalSettings.ini.tmp"));
    // Into a folder that does not exist nothing is written, and nothing is left behind.
    EXPECT_FALSE(writer.writeTo(tree.path("missing\\GlobalSettings.ini").c_str()));
    EXPECT_FALSE(tree.exists("missing"));
}

}  // namespace
}  // namespace evenkeeper::test
