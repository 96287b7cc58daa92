// The silent installer and uninstaller, run in this Wine prefix as a user
// would run them: what they put where, what an upgrade keeps, what removal
// leaves, and how they treat a running Velindra and a folder that cannot be
// written. They touch the user's real keys, Start menu and Run values, so
// CTest runs each of these tests alone.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/package/Installation.h"
#include "tests/support/Sandbox.h"

namespace package_test {
namespace {

// Every test starts and ends with no installation, shortcut, entry, Run
// value or settings key.
class InstallerTest : public testing::Test {
protected:
    void SetUp() override { RemoveTraces(DefaultFolder()); }
    void TearDown() override
    {
        RemoveTraces(DefaultFolder());
        RemoveTraces(scratch_.File("Velindra"));
    }

    // Nothing of an installation anywhere.
    static void ExpectNoInstallation(const std::string& folder)
    {
        EXPECT_FALSE(Exists(folder + "\\velindra.exe"));
        EXPECT_FALSE(Exists(ShortcutPath()));
        EXPECT_FALSE(HasKey(HKEY_CURRENT_USER, kUninstallKey));
    }

    testing_support::TempFolder scratch_;
};

TEST_F(InstallerTest, InstallsRunsUpgradesAndUninstallsForThisUserAlone)
{
    // Settings of an earlier run: the program starts with its window shown.
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kSettingsKey, "StartDate", "2004 5 20 0 0 0"));
    const std::string folder = DefaultFolder(), exe = folder + "\\velindra.exe";
    ASSERT_EQ(InstallSilently(), kDone);
    EXPECT_EQ(FilesIn(folder), InstalledFiles());
    EXPECT_TRUE(Exists(ShortcutPath()));
    const std::string uninstaller = "\"" + folder + "\\Uninstall.exe\"";
    const std::pair<const char*, std::string> entry[] = {
        {"DisplayName", "Velindra"},
        {"DisplayVersion", VELINDRA_VERSION},
        {"Publisher", "Orrowby"},
        {"DisplayIcon", "\"" + exe + "\",0"},
        {"InstallLocation", folder},
        {"UninstallString", uninstaller},
        {"QuietUninstallString", uninstaller + " /S"},
    };
    for (const auto& [name, expected] : entry)
        EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kUninstallKey, name), expected) << name;
    DWORD size = 0, bytes = sizeof(size);
    RegGetValueA(HKEY_CURRENT_USER, kUninstallKey, "EstimatedSize", RRF_RT_REG_DWORD, nullptr,
                 &size, &bytes);
    EXPECT_GT(size, 100u);

    // An upgrade while the program runs: the installer closes it as its close
    // box would, and keeps the user's own language file.
    std::ofstream(folder + "\\mine.lng") << "[Options]\n";
    {
        InstalledProgram running(folder);
        ASSERT_NE(running.WaitForMainWindow(), nullptr);
        ASSERT_EQ(InstallSilently(), kDone);
        EXPECT_TRUE(running.EndsCleanly());
    }
    std::stringstream own;
    own << std::ifstream(folder + "\\mine.lng").rdbuf();
    EXPECT_EQ(own.str(), "[Options]\n");
    EXPECT_TRUE(Exists(folder + "\\english.lng")); // shipped and kept up to date by the program

    // Removal, while the program runs again: the program, its shortcut, entry
    // and Run values go; the settings and the user's own language file stay.
    for (const RunKey& run : kRunKeys)
        ASSERT_TRUE(WriteString(run.root, run.path, "Velindra", "\"" + exe + "\""));
    {
        InstalledProgram running(folder);
        ASSERT_NE(running.WaitForMainWindow(), nullptr);
        ASSERT_EQ(UninstallSilently(folder), kDone);
        EXPECT_TRUE(running.EndsCleanly());
    }
    EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"mine.lng"});
    EXPECT_FALSE(Exists(ShortcutPath()));
    EXPECT_FALSE(HasKey(HKEY_CURRENT_USER, kUninstallKey));
    for (const RunKey& run : kRunKeys)
        EXPECT_EQ(ReadString(run.root, run.path, "Velindra"), "") << run.path;
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kSettingsKey, "StartDate"), "2004 5 20 0 0 0");
}

TEST_F(InstallerTest, ChangesNothingWhileVelindraWillNotClose)
{
    const std::string folder = scratch_.File("Velindra");
    {
        StandIn running;
        ASSERT_TRUE(running.Created());
        ASSERT_EQ(InstallSilently(folder), kStopped);
        EXPECT_EQ(StandIn::closeRequests, 1);
    }
    EXPECT_FALSE(Exists(folder));
    ExpectNoInstallation(folder);

    ASSERT_EQ(InstallSilently(folder), kDone);
    {
        StandIn running;
        ASSERT_EQ(UninstallSilently(folder), kStopped);
        EXPECT_EQ(StandIn::closeRequests, 1);
    }
    EXPECT_EQ(FilesIn(folder), InstalledFiles());
    EXPECT_TRUE(Exists(ShortcutPath()));
    EXPECT_TRUE(HasKey(HKEY_CURRENT_USER, kUninstallKey));
}

TEST_F(InstallerTest, ChangesNothingWhenTheFolderCannotBeWritten)
{
    // A folder in a file system nobody may write to, whatever the rights:
    // the Linux host's /proc, Wine's Z:\proc.
    const std::string folder = "Z:\\proc\\Velindra";
    ASSERT_TRUE(Exists("Z:\\proc"));
    EXPECT_EQ(InstallSilently(folder), kStopped);
    ExpectNoInstallation(folder);
    EXPECT_FALSE(Exists(DefaultFolder()));
}

} // namespace
} // namespace package_test
