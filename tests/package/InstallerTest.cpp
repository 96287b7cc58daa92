// The silent installer and uninstaller, run in this Wine prefix as a user
// would run them: what they put where, what an upgrade keeps, what removal
// leaves, and how they treat a running Velindra and a folder that cannot be
// written. They touch the user's real keys, Start menu and Run values, so
// CTest runs each of these tests alone.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/package/InstalledProgram.h"
#include "tests/package/Installation.h"
#include "tests/package/StandIn.h"
#include "tests/support/Sandbox.h"

namespace package_test {
namespace {

// Every test starts and ends with no installation, shortcut, entry or Run value.
class InstallerTest : public testing::Test {
protected:
    void SetUp() override { RemoveTraces(DefaultFolder()); }
    void TearDown() override
    {
        RemoveTraces(DefaultFolder());
        RemoveTraces(scratch_.File("Velindra"));
    }

    // Nothing of an installation anywhere.
    void ExpectNoInstallation(const std::string& folder) const
    {
        EXPECT_FALSE(Exists(folder + "\\velindra.exe"));
        EXPECT_FALSE(Exists(ShortcutPath()));
        EXPECT_FALSE(HasKey(HKEY_CURRENT_USER, kUninstallKey));
    }

    testing_support::TempFolder scratch_;
};

TEST_F(InstallerTest, InstallsRunsUpgradesAndUninstallsForThisUserAlone)
{
    SettingsKeyGuard keepTheRealSettings;
    // Settings of an earlier run: the program starts with its window shown.
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kSettingsKey, "StartDate", "2004 5 20 0 0 0"));
    const std::string folder = DefaultFolder();

    ASSERT_EQ(InstallSilently(), kDone);
    EXPECT_EQ(FilesIn(folder), InstalledFiles());
    EXPECT_TRUE(Exists(ShortcutPath()));
    const std::string exe = folder + "\\velindra.exe";
    const std::string uninstaller = "\"" + folder + "\\Uninstall.exe\"";
    const struct {
        const char* name;
        std::string expected;
    } entry[] = {
        {"DisplayName", "Velindra"},
        {"DisplayVersion", VELINDRA_VERSION},
        {"Publisher", "Orrowby"},
        {"DisplayIcon", "\"" + exe + "\",0"},
        {"InstallLocation", folder},
        {"UninstallString", uninstaller},
        {"QuietUninstallString", uninstaller + " /S"},
    };
    for (const auto& value : entry)
        EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kUninstallKey, value.name), value.expected)
            << value.name;
    EXPECT_GT(ReadDword(HKEY_CURRENT_USER, kUninstallKey, "EstimatedSize"), 100u);

    // An upgrade while the program runs: the installer closes it as its close
    // box would, and keeps the user's own language file.
    const std::string own = folder + "\\mine.lng";
    ASSERT_TRUE(WriteFile(own, "[Options]\nLanguage=Mine\n"));
    {
        InstalledProgram running(folder);
        ASSERT_NE(running.WaitForMainWindow(), nullptr);
        ASSERT_EQ(InstallSilently(), kDone);
        EXPECT_TRUE(running.EndsCleanly());
    }
    EXPECT_EQ(ReadFile(own), "[Options]\nLanguage=Mine\n");
    EXPECT_TRUE(Exists(folder + "\\english.lng")); // shipped and kept up to date by the program

    // Removal, while the program runs again: the program, its shortcut, entry
    // and Run values go; the settings and the user's own language file stay.
    for (const RunKey& run : kRunKeys)
        ASSERT_TRUE(WriteString(run.root, run.path, kRunValue, "\"" + exe + "\""));
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
        EXPECT_FALSE(HasValue(run.root, run.path, kRunValue)) << run.path;
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kSettingsKey, "StartDate"), "2004 5 20 0 0 0");
}

TEST_F(InstallerTest, ChangesNothingWhileVelindraWillNotClose)
{
    const std::string folder = scratch_.File("Velindra");
    {
        StandIn running;
        ASSERT_TRUE(running.Created());
        ASSERT_EQ(InstallSilently(folder), kStopped);
        EXPECT_EQ(running.CloseRequests(), 1);
    }
    EXPECT_FALSE(Exists(folder));
    ExpectNoInstallation(folder);

    ASSERT_EQ(InstallSilently(folder), kDone);
    {
        StandIn running;
        ASSERT_EQ(UninstallSilently(folder), kStopped);
        EXPECT_EQ(running.CloseRequests(), 1);
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
