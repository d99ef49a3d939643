// The extension every name chosen in the file dialog is given.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/FileDialog.h"

namespace evenkeeper {
namespace {

TEST(ForceExtension, ReplacesTheExtensionOfTheNameOnly) {
    const struct {
        const char* name;
        const char* extension;
        const char* result;
    } cases[] = {
        {"x.TXT", ".txt", "x.txt"},
        {"x", ".txt", "x.txt"},
        {"x.dat", "txt", "x.txt"},
        {"C:\\a.b\\x", ".txt", "C:\\a.b\\x.txt"},
        {"C:/a.b/x", ".txt", "C:/a.b/x.txt"},
        {"C:x", ".txt", "C:x.txt"},
        {"x.tar.gz", ".txt", "x.tar.txt"},
        {"C:\\dir\\.", ".txt", "C:\\dir\\.txt"},
    };
    for (const auto& c : cases) {
        char name[260];
        std::snprintf(name, sizeof name, "%s", c.name);
        EXPECT_TRUE(forceExtension(name, sizeof name, c.extension));
        EXPECT_STREQ(name, c.result) << c.name;
    }
}

TEST(ForceExtension, RefusesANameThatWouldNotFit) {
    char name[9] = "abcd";
    EXPECT_TRUE(forceExtension(name, 9, ".txt"));
    EXPECT_STREQ(name, "abcd.txt");
    char longer[9] = "abcde";
    EXPECT_FALSE(forceExtension(longer, 9, ".txt"));
    EXPECT_STREQ(longer, "abcde");
}

}  // namespace
}  // namespace evenkeeper
