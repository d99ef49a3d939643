// Whatever the store holds, saving and loading again gives the same operations and index;
// and a save that fails half-way loses none of the operations saved before.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "MemoryFileSystem.h"
#include "StoreFakes.h"
#include "store/DataFile.h"

namespace evenkeeper::test {
namespace {

constexpr char kPath[] = "C:\\data\\Evenkeeper.txt";

// Texts the raw lines can hold: no line end, and no "[" in front, which would open a section;
// at most maxLength bytes of whole characters.
std::string randomText(std::mt19937& random, std::size_t maxLength) {
    static const char* const alphabet[] = {"a", "b", "c", "X", "Y", "Z", "0", "1", "9", " ",
                                           "\\", ":", "=", "[", "]", ".", "_", "-", u8"é",
                                           u8"ÿ", u8"Ω", u8"日", u8"😀", "\t"};
    std::size_t length = random() % (maxLength + 1);
    std::string text;
    for (;;) {
        const char* letter = alphabet[random() % (sizeof alphabet / sizeof *alphabet)];
        if (text.size() + std::strlen(letter) > length) break;
        text += letter;
    }
    if (!text.empty() && text[0] == '[') text[0] = 'x';
    return text;
}

TEST(DataFileRoundTrip, AnyStoreSavedAndLoadedIsTheSame) {
    std::mt19937 random(4);
    for (int round = 0; round < 300; ++round) {
        MemoryFileSystem files;
        files.folders.insert("C:\\data");
        StoreFixture saving(files);
        int count = 1 + int(random() % maxSyncOperations);
        for (int i = 0; i < count; ++i) {
            SyncOperation record;
            // Folders as the program holds them: empty, or closed by a "\".
            for (char* folder : {record.topFolder, record.bottomFolder}) {
                std::string text = randomText(random, 278);
                if (!text.empty()) text += '\\';
                text.copy(folder, 279);
            }
            randomText(random, 15).copy(record.lastUsed, 15);
            record.operation = Operation(random() % 3);
            record.direction = Direction(random() % 3);
            record.levels = std::int32_t(random() % 17);
            saving.store.addBack(record);
        }
        saving.session.index = std::int32_t(random() % unsigned(count));
        saving.session.dataFilePath = kPath;
        saving.session.unsavedChanges = true;
        saveDataFile(saving.context);

        StoreFixture loading(files);
        loading.session.dataFilePath = kPath;
        ASSERT_TRUE(loadDataFile(loading.context));
        ASSERT_EQ(loading.records(), saving.records()) << "round " << round;
        ASSERT_EQ(loading.session.index, saving.session.index) << "round " << round;
    }
}

TEST(DataFileRoundTrip, ASaveThatFailsHalfWayKeepsThePreviousOperations) {
    MemoryFileSystem files;
    files.folders.insert("C:\\data");
    StoreFixture f(files);
    f.session.dataFilePath = kPath;
    newSyncOperation(f.context);
    std::strcpy(f.store.at(0)->topFolder, "C:\\Music\\");
    f.session.unsavedChanges = true;
    saveDataFile(f.context);
    const std::string before = files.files[kPath];

    std::strcpy(f.store.at(0)->topFolder, "C:\\Changed\\");
    files.failWriteNumber = 1;
    saveDataFile(f.context);
    EXPECT_EQ(files.files, (std::map<std::string, std::string>{{kPath, before}}));
    loadDataFile(f.context);
    EXPECT_STREQ(f.store.at(0)->topFolder, "C:\\Music\\");
}

TEST(DataFileRoundTrip, AnEmptyPathGivesABlankOperationAndNothingIsWritten) {
    MemoryFileSystem files;
    StoreFixture f(files);
    EXPECT_TRUE(loadDataFile(f.context));
    EXPECT_EQ(f.store.count(), 1);
    f.session.unsavedChanges = true;
    saveDataFile(f.context);
    EXPECT_TRUE(files.created.empty());
}

}  // namespace
}  // namespace evenkeeper::test
