// Help: topic addresses beside the executable, the opener the application
// installs, and where the HTML Help control may be loaded from.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "app/Help.h"
#include "lang/ModulePath.h"
#include "model/RegKey.h"
#include "tests/lang/WideFolder.h"
#include "tests/support/Sandbox.h"
#include "ui/HelpTopic.h"

namespace {

constexpr char kClassKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string ModuleFile(HMODULE module)
{
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(module, buffer, MAX_PATH);
    return std::string(buffer, length);
}

std::string SystemHtmlHelp()
{
    char folder[MAX_PATH + 1] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    return std::string(folder, length) + "\\hhctrl.ocx";
}

// HKEY_CLASSES_ROOT redirected to an empty key of the (sandboxed) current
// user, so that each test decides what the class registration says; the
// loader starts afresh and falls back to the system folder.
class HtmlHelpLoading : public testing::Test {
protected:
    void SetUp() override
    {
        classes_ = RegKey::Create(HKEY_CURRENT_USER, "TestClasses", KEY_ALL_ACCESS);
        ASSERT_TRUE(classes_);
        ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CLASSES_ROOT, classes_.Get()));
        help_testing::ResetHtmlHelp();
        help_testing::OverrideFallbackLibrary("");
    }
    void TearDown() override
    {
        RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
        help_testing::ResetHtmlHelp();
        help_testing::OverrideFallbackLibrary("");
        if (!oldFolder_.empty())
            SetCurrentDirectoryA(oldFolder_.c_str());
    }

    void Register(const std::string& path, DWORD type = REG_SZ)
    {
        RegKey key = RegKey::Create(HKEY_CLASSES_ROOT, kClassKey, KEY_ALL_ACCESS);
        ASSERT_TRUE(key);
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key.Get(), "", 0, type,
                                                reinterpret_cast<const BYTE*>(path.c_str()),
                                                static_cast<DWORD>(path.size() + 1)));
    }

    // Makes the folder current and plants a copy of hhctrl.ocx in it.
    void PlantInCurrentFolder(const testing_support::TempFolder& folder)
    {
        char old[MAX_PATH + 1] = {};
        GetCurrentDirectoryA(MAX_PATH, old);
        oldFolder_ = old;
        ASSERT_TRUE(CopyFileA(SystemHtmlHelp().c_str(), folder.File("hhctrl.ocx").c_str(), FALSE));
        ASSERT_TRUE(SetCurrentDirectoryA(folder.Path().c_str()));
    }

    // Asks for nothing visible: the cookie of an initialisation.
    HWND Initialize()
    {
        DWORD_PTR cookie = 0;
        return CallHtmlHelp(nullptr, nullptr, kHelpInitialize,
                            reinterpret_cast<DWORD_PTR>(&cookie));
    }

    RegKey classes_;
    std::string oldFolder_;
};

std::string g_requested;
void RecordTopic(const char* topic)
{
    g_requested += std::string(topic) + ";";
}

} // namespace

TEST(HelpTopicAddress, IsTheHelpFileBesideTheExecutableFollowedByTheTopic)
{
    const std::pair<std::wstring, std::wstring> table[] = {
        {L"C:\\Apps\\other.exe", L"C:\\Apps\\other.chm::/mon.htm"},
        {L"D:\\My.Tools\\Velindra.EXE", L"D:\\My.Tools\\Velindra.chm::/mon.htm"},
        {L"C:\\Apps\\noext", L"C:\\Apps\\noext.chm::/mon.htm"},
        {L"C:\\\u6F22\u5B57 \u0442\u0435\u0441\u0442 \U0001F389\\velindra.exe",
         L"C:\\\u6F22\u5B57 \u0442\u0435\u0441\u0442 \U0001F389\\velindra.chm::/mon.htm"},
    };
    for (const auto& row : table) {
        ModulePath::OverrideModuleFileName(row.first);
        EXPECT_EQ(row.second, HelpTopicAddress("mon"));
    }
    ModulePath::ResetModuleFileName();

    // The real executable: its own folder and base name.
    const std::wstring own = ModulePath::ModuleFileName();
    const std::wstring address = HelpTopicAddress("about");
    ASSERT_GT(own.size(), 4u);
    EXPECT_EQ(own.substr(0, own.size() - 4) + L".chm::/about.htm", address);
    EXPECT_EQ(L"", HelpTopicAddress(nullptr));
}

// The HTML Help control cannot take a path of MAX_PATH characters or more:
// such a help file is given by its short path, which names the same file.
TEST(HelpTopicAddress, ALongPathIsGivenInItsShortForm)
{
    testing_support::WideFolder folder(testing_support::ScriptsFolderName(), 300);
    ASSERT_TRUE(folder.Write(L"velindra.chm", "ITSF"));
    ModulePath::OverrideModuleFileName(folder.File(L"velindra.exe"));
    const std::wstring address = HelpTopicAddress("opt");
    ModulePath::ResetModuleFileName();

    const size_t end = address.find(L"::/opt.htm");
    ASSERT_NE(std::wstring::npos, end);
    EXPECT_LT(end, static_cast<size_t>(MAX_PATH));
    wchar_t full[1024] = {};
    ASSERT_NE(0u, GetLongPathNameW(address.substr(0, end).c_str(), full, 1024));
    EXPECT_EQ(0, lstrcmpiW(folder.File(L"velindra.chm").c_str(), full));

    // Without a file there is no short form either: no address at all.
    ModulePath::OverrideModuleFileName(folder.File(L"missing.exe"));
    EXPECT_EQ(L"", HelpTopicAddress("opt"));
    ModulePath::ResetModuleFileName();
}

TEST(HelpTopicOpener, InstallHtmlHelpMakesOpenHelpTopicUseTheHelpFile)
{
    HelpTopicOpener before = SetHelpTopicOpener(&RecordTopic);
    InstallHtmlHelp();
    EXPECT_EQ(&OpenHtmlHelpTopic, SetHelpTopicOpener(before));
}

TEST_F(HtmlHelpLoading, WithoutAnyHtmlHelpNothingFailsAndTheFailureIsRemembered)
{
    Register("C:\\nowhere\\hhctrl.ocx");
    help_testing::OverrideFallbackLibrary("C:\\nowhere\\system32\\hhctrl.ocx");
    ModulePath::OverrideModuleFileName("C:\\Apps\\other.exe");
    OpenHtmlHelpTopic("mon");
    ModulePath::ResetModuleFileName();
    EXPECT_EQ(nullptr, Initialize());
    EXPECT_EQ(nullptr, help_testing::LoadedLibrary());

    // Once failed, nothing is looked for again, even where it would be found.
    Register(SystemHtmlHelp());
    help_testing::OverrideFallbackLibrary("");
    EXPECT_EQ(nullptr, Initialize());
    EXPECT_EQ(nullptr, help_testing::LoadedLibrary());
}

TEST_F(HtmlHelpLoading, TheRegisteredPathIsLoadedFirst)
{
    testing_support::TempFolder folder;
    ASSERT_TRUE(CopyFileA(SystemHtmlHelp().c_str(), folder.File("hhctrl.ocx").c_str(), FALSE));
    Register(folder.File("hhctrl.ocx"));
    Initialize();
    ASSERT_NE(nullptr, help_testing::LoadedLibrary());
    EXPECT_EQ(Lower(folder.File("hhctrl.ocx")), Lower(ModuleFile(help_testing::LoadedLibrary())));
}

TEST_F(HtmlHelpLoading, WithoutARegistrationOnlyTheSystemFolderIsUsed)
{
    testing_support::TempFolder folder;
    PlantInCurrentFolder(folder);
    Initialize();
    ASSERT_NE(nullptr, help_testing::LoadedLibrary());
    EXPECT_EQ(Lower(SystemHtmlHelp()), Lower(ModuleFile(help_testing::LoadedLibrary())));
}

TEST_F(HtmlHelpLoading, ARegistrationWithoutAFolderIsNotSearchedFor)
{
    testing_support::TempFolder folder;
    PlantInCurrentFolder(folder);
    Register("hhctrl.ocx");
    Initialize();
    ASSERT_NE(nullptr, help_testing::LoadedLibrary());
    EXPECT_EQ(Lower(SystemHtmlHelp()), Lower(ModuleFile(help_testing::LoadedLibrary())));
}

TEST_F(HtmlHelpLoading, AnUnusableRegistrationFallsBackToTheSystemFolder)
{
    Register(std::string(300, 'x'));
    Initialize();
    ASSERT_NE(nullptr, help_testing::LoadedLibrary());
    EXPECT_EQ(Lower(SystemHtmlHelp()), Lower(ModuleFile(help_testing::LoadedLibrary())));
}

TEST_F(HtmlHelpLoading, AnExpandableRegistrationIsExpanded)
{
    testing_support::TempFolder folder;
    ASSERT_TRUE(CopyFileA(SystemHtmlHelp().c_str(), folder.File("hhctrl.ocx").c_str(), FALSE));
    ASSERT_TRUE(SetEnvironmentVariableA("VELINDRA_HELP_TEST", folder.Path().c_str()));
    Register("%VELINDRA_HELP_TEST%\\hhctrl.ocx", REG_EXPAND_SZ);
    Initialize();
    ASSERT_NE(nullptr, help_testing::LoadedLibrary());
    EXPECT_EQ(Lower(folder.File("hhctrl.ocx")), Lower(ModuleFile(help_testing::LoadedLibrary())));
}

TEST_F(HtmlHelpLoading, ALibraryWithoutHtmlHelpIsAFailure)
{
    // A library that has no export with ordinal 15.
    char folder[MAX_PATH + 1] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    const std::string other = std::string(folder) + "\\msimg32.dll";
    HMODULE probe = LoadLibraryA(other.c_str());
    ASSERT_NE(nullptr, probe);
    if (GetProcAddress(probe, MAKEINTRESOURCEA(15)))
        GTEST_SKIP() << "msimg32.dll has an export with ordinal 15 here";
    Register(other);
    EXPECT_EQ(nullptr, Initialize());
    help_testing::OverrideFallbackLibrary("");
    Register(SystemHtmlHelp());
    EXPECT_EQ(nullptr, Initialize());
    FreeLibrary(probe);
}
