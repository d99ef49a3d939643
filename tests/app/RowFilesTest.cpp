// The texts of the result list's columns and the question before a listed file is deleted.
#include <gtest/gtest.h>

#include <stdexcept>

#include "app/RowFiles.h"
#include "support/FixedClock.h"
#include "support/PlanFixture.h"

namespace evenkeeper::test {
namespace {

const FileEntry& named(const FolderScanner& scanner, const std::string& name) {
    for (int i = 0; i < scanner.table().count(); ++i)
        if (name == scanner.table().at(i).name) return scanner.table().at(i);
    throw std::runtime_error("no entry " + name);
}

TEST(RowFiles, ColumnTexts) {
    PlanFixture f;
    f.tree.addFile("M:\\top\\big.bin", 1234567, kBaseTime);
    f.tree.addFile("M:\\top\\Album\\small.txt", 123, kBaseTime);
    f.tree.addFile("M:\\bottom\\Disc\\b.txt", 0, kBaseTime);
    ASSERT_TRUE(f.scan());
    FixedClock clock;
    RowFiles files(f.top, f.bottom, clock);
    const FileEntry& big = named(f.top, "big.bin");
    const FileEntry& small = named(f.top, "small.txt");
    const FileEntry& bottom = named(f.bottom, "b.txt");
    EXPECT_EQ(files.columnText(big, kColumnSize), "1,234,567");
    EXPECT_EQ(files.columnText(small, kColumnSize), "123");
    EXPECT_EQ(files.columnText(bottom, kColumnSize), "0");
    EXPECT_EQ(files.columnText(big, kColumnModified), "12/08/26 02:05:09pm");
    EXPECT_EQ(files.columnText(big, kColumnPath), "");
    EXPECT_EQ(files.columnText(small, kColumnPath), "Album\\");
    EXPECT_EQ(files.columnText(bottom, kColumnPath), "Disc\\");
    EXPECT_EQ(files.columnText(big, kColumnName), big.name);
    clock.convertible = false;
    EXPECT_EQ(files.columnText(big, kColumnModified), " ");
}

TEST(RowFiles, DeleteQuestionBreaksThePathAfterEvery80Characters) {
    const std::string line(80, 'p');
    EXPECT_EQ(deleteQuestion(line), line + "\n\nDelete this file?");
    EXPECT_EQ(deleteQuestion(line + "q"), line + "\nq\nDelete this file?");
    std::string letters;  // 80 letters of three bytes each, then one of four
    for (int i = 0; i < 80; ++i) letters += u8"日";
    EXPECT_EQ(deleteQuestion(letters + u8"😀"), letters + u8"\n😀\nDelete this file?");
}

}  // namespace
}  // namespace evenkeeper::test
