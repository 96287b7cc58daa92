// The program installed in a folder whose name holds characters of any script
// (per-user installs live under the user's profile, whose name can be
// anything): the files beside it are found and written, a language named in
// any script is listed, chosen, stored as it is spelt and applied, starting
// with Windows names the program's whole path, and help opens. (A path longer
// than MAX_PATH cannot be started by CreateProcess; the language tests cover
// it through the module path.)
#include "tests/blackbox/Program.h"

#include "model/Settings.h"
#include "res/resource.h"

namespace blackbox {
namespace {

using FoldersTest = BlackBoxTest;

std::wstring ReadText(HKEY root, const std::wstring& key, const wchar_t* name)
{
    wchar_t text[1024] = {};
    DWORD size = sizeof(text);
    ::RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}

TEST_F(FoldersTest, AFolderNamedInAnyScriptWorksAsAnyOther)
{
    const std::wstring russian = L"\u0440\u0443\u0441\u0441\u043A\u0438\u0439";
    StoreSettings(1);
    ProgramFolder folder(L"\u6F22\u5B57 \u0442\u0435\u0441\u0442\u2713 \U0001F389");
    ASSERT_TRUE(folder.ready);
    ASSERT_TRUE(folder.Write(russian + L".lng", "[DialogID_102]\r\nID_2=Spravka\r\n"));
    Program program(folder);
    HWND main = program.Main();
    ASSERT_NE(main, nullptr);
    EXPECT_NE(folder.Read(L"english.lng"), "");

    HWND list = FindDescendant(main, IDC_OPT_LANGUAGE);
    const LRESULT index = ::SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(russian.c_str()));
    ASSERT_GE(index, 0);
    ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageW(::GetParent(list), WM_COMMAND, MAKEWPARAM(IDC_OPT_LANGUAGE, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
    const std::string settings = SettingsKeyPath();
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, std::wstring(settings.begin(), settings.end()), L"Lang"),
              russian);
    EXPECT_EQ(TextOf(::GetDlgItem(main, IDC_MAIN_HELP)), L"Spravka");

    // Starting with Windows starts it from where it is: one Run value, the
    // machine's when the user may write it.
    ::SendMessageA(FindDescendant(main, IDC_OPT_AUTOLOAD), BM_CLICK, 0, 0);
    const wchar_t* run = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, run, L"Velindra") +
                  ReadText(HKEY_CURRENT_USER, run, L"Velindra"),
              L"\"" + folder.File(L"velindra.exe") + L"\"");

    ::PostMessageA(main, WM_COMMAND, IDC_MAIN_HELP, 0);
    EXPECT_NE(program.WaitForClass("HH Parent"), nullptr) << "no help window";
}

} // namespace
} // namespace blackbox
