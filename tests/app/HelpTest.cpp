// Help: the topic's address, the help file beside the executable (a path too
// long for the HTML Help control in its short form), and where that control
// may be loaded from: the path of its class registration, else the system
// folder, never the current folder.
#include <gtest/gtest.h>

#include "app/Help.h"
#include "model/RegKey.h"
#include "tests/support/Sandbox.h"

namespace {

// The HTML Help control cannot take a path of MAX_PATH characters or more:
// such a help file is given by its short path, which names the same file, and
// without a file there is no short form either. (A folder named in any
// script: the black-box test.)
TEST(HelpTopicAddress, IsTheHelpFileBesideTheExecutableInAFormTheControlTakes)
{
    for (const wchar_t* exe : {L"D:\\My.Tools\\Velindra.EXE", L"D:\\My.Tools\\Velindra"})
        EXPECT_EQ(L"D:\\My.Tools\\Velindra.chm::/mon.htm", HelpTopicAddress(exe, "mon"));
    EXPECT_EQ(L"", HelpTopicAddress(L"D:\\Velindra.exe", nullptr) + HelpTopicAddress(L"", "mon"));
    testing_support::WideFolder folder(testing_support::ScriptsFolderName(), 300);
    ASSERT_TRUE(folder.Write(L"velindra.chm", "ITSF"));
    const std::wstring address = HelpTopicAddress(folder.File(L"velindra.exe"), "opt");
    const size_t end = address.find(L"::/opt.htm");
    ASSERT_LT(end, static_cast<size_t>(MAX_PATH)); // and so found
    wchar_t full[1024] = {};
    EXPECT_TRUE(GetLongPathNameW(address.substr(0, end).c_str(), full, 1024) &&
                lstrcmpiW(folder.File(L"velindra.chm").c_str(), full) == 0);
    EXPECT_EQ(L"", HelpTopicAddress(folder.File(L"missing.exe"), "opt"));
}

constexpr char kClassKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";

std::string SystemFile(const char* name)
{
    char folder[MAX_PATH + 1] = {};
    return std::string(folder, GetSystemDirectoryA(folder, MAX_PATH)) + "\\" + name;
}

// HKEY_CLASSES_ROOT redirected to an empty key of the (sandboxed) current
// user, so that each case decides what the class registration says; a copy
// of hhctrl.ocx in a folder that is made the current folder.
class HtmlHelpLoading : public testing::Test {
protected:
    void SetUp() override
    {
        classes_ = RegKey::Create(HKEY_CURRENT_USER, "TestClasses", KEY_ALL_ACCESS);
        ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CLASSES_ROOT, classes_.Get()));
        ASSERT_TRUE(CopyFileA(SystemFile("hhctrl.ocx").c_str(), copy.c_str(), FALSE));
        GetCurrentDirectoryA(MAX_PATH, oldFolder_);
        ASSERT_TRUE(SetCurrentDirectoryA(folder_.Path().c_str()));
    }
    void TearDown() override
    {
        RegDeleteKeyValueA(HKEY_CLASSES_ROOT, kClassKey, "");
        RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
        SetCurrentDirectoryA(oldFolder_);
    }

    testing_support::TempFolder folder_;
    const std::string copy = folder_.File("hhctrl.ocx");

private:
    RegKey classes_;
    char oldFolder_[MAX_PATH + 1] = {};
};

// A library without HtmlHelpW (ordinal 15) is a failure, and so is none
// where it is looked for; once loaded or failed, nothing is looked for again,
// even where it would be found.
TEST_F(HtmlHelpLoading, ComesFromTheRegisteredPathElseFromTheSystemFolderOnly)
{
    ASSERT_TRUE(SetEnvironmentVariableA("VELINDRA_HELP_TEST", folder_.Path().c_str()));
    const std::string system = SystemFile("hhctrl.ocx"), other = SystemFile("msimg32.dll");
    const struct {
        std::string registered; // empty: none
        DWORD type;
        const char* fallback; // empty: the system folder's
        std::string loaded;
    } table[] = {
        {"", REG_SZ, "", system},
        {copy, REG_SZ, "", copy},
        {"%VELINDRA_HELP_TEST%\\hhctrl.ocx", REG_EXPAND_SZ, "", copy},
        {"hhctrl.ocx", REG_SZ, "", system},
        {"..\\folder\\hhctrl.ocx", REG_SZ, "", system}, // the copy, by a relative path
        {std::string(300, 'x'), REG_SZ, "", system},
        {"C:\\nowhere\\hhctrl.ocx", REG_SZ, "C:\\nowhere\\system32\\hhctrl.ocx", ""},
        {other, REG_SZ, "", other},
    };
    auto registerPath = [](const std::string& path, DWORD type) {
        ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueA(HKEY_CLASSES_ROOT, kClassKey, "", type,
                                                 path.c_str(), DWORD(path.size() + 1)));
    };
    // The library loaded when asked for nothing visible (an initialisation).
    auto loaded = [](HtmlHelpLibrary& library) {
        DWORD_PTR cookie = 0;
        library.Call(nullptr, nullptr, kHelpInitialize, reinterpret_cast<DWORD_PTR>(&cookie));
        char path[MAX_PATH + 1] = {};
        HMODULE module = library.Loaded();
        return module ? std::string(path, GetModuleFileNameA(module, path, MAX_PATH)) : "";
    };
    for (const auto& row : table) {
        HtmlHelpLibrary library(row.fallback);
        RegDeleteKeyValueA(HKEY_CLASSES_ROOT, kClassKey, "");
        if (!row.registered.empty())
            registerPath(row.registered, row.type);
        EXPECT_STRCASEEQ(loaded(library).c_str(), row.loaded.c_str()) << row.registered;
        registerPath(system, REG_SZ);
        EXPECT_STRCASEEQ(loaded(library).c_str(), row.loaded.c_str())
            << row.registered << ", asked again";
        if (library.Loaded())
            FreeLibrary(library.Loaded()); // the program never unloads it
    }
}

} // namespace
