// The application data folder that the per-user folder of the settings lies in.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/PathHelpers.h"
#include "platform/UserFolders.h"

namespace evenkeeper {
namespace {

#ifdef _WIN32
TEST(UserFolders, TheShellNamesAnExistingFolder) {
    std::string folder;
    ASSERT_TRUE(systemUserFolders().applicationDataFolder(nullptr, folder));
    EXPECT_EQ(folder.find('/'), std::string::npos) << folder;
    EXPECT_TRUE(folderExists(systemFileSystem(), folder.c_str())) << folder;
}
#else
// The XDG configuration folder, an absolute $XDG_CONFIG_HOME or else ~/.config.
TEST(UserFolders, TheXdgConfigurationFolderWithBackslashes) {
    const struct {
        const char* configHome;
        const char* home;
        const char* folder;
    } cases[] = {
        {"/xdg/config/", "/home/ann", "\\xdg\\config"},
        {"relative/config", "/home/ann", "\\home\\ann\\.config"},
        {nullptr, "/home/ann/", "\\home\\ann\\.config"},
        {"", nullptr, ""},
    };
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const char* savedHome = std::getenv("HOME");
    std::string config = savedConfig ? savedConfig : "", home = savedHome ? savedHome : "";
    for (const auto& c : cases) {
        c.configHome ? setenv("XDG_CONFIG_HOME", c.configHome, 1) : unsetenv("XDG_CONFIG_HOME");
        c.home ? setenv("HOME", c.home, 1) : unsetenv("HOME");
        std::string folder = "stale";
        EXPECT_EQ(systemUserFolders().applicationDataFolder(nullptr, folder), c.folder[0] != '\0');
        EXPECT_EQ(folder, c.folder);
    }
    savedConfig ? setenv("XDG_CONFIG_HOME", config.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    savedHome ? setenv("HOME", home.c_str(), 1) : unsetenv("HOME");
}
#endif

}  // namespace
}  // namespace evenkeeper
