// Language files as translators' tools write them, read by the running
// program: each encoding shows its texts exactly (read back from the windows
// in UTF-16); a Cyrillic and a Chinese translation chosen on the Options page
// show again after a restart. The language of a first start, and the
// keyboard in the language list.
#include "tests/blackbox/Program.h"

#include <commctrl.h>

#include <tuple>

#include "framework/PropertySheet.h"
#include "framework/TextCodec.h"
#include "lang/IniText.h"
#include "tests/support/LanguageText.h"

namespace blackbox {
namespace {

using LanguagesTest = BlackBoxTest;

// A settings key that asks for the language and a visible window.
void StoreLanguage(const std::wstring& name)
{
    ASSERT_TRUE(TestSettings().WriteDword(SettingVisibled, 1) &&
                TestSettings().WriteText(SettingLang, fw::Utf8(name)));
}

// The Exit button's text of the shown main window; with `offered`, the
// language list's text and whether it offers the language.
std::wstring ExitText(const Program& program, const wchar_t* offered = nullptr)
{
    HWND main = program.Main();
    if (!main)
        return L"(no window)";
    const std::wstring exit = TextOf(::GetDlgItem(main, IDC_MAIN_EXIT));
    HWND list = FindDescendant(main, IDC_OPT_LANGUAGE);
    if (!offered)
        return exit;
    const std::wstring shown = exit + L" " + TextOf(list);
    return shown + (ChooseLanguage(list, offered) ? L" offered" : L"");
}

// Each encoding shows its texts; a stranger's file of a gigabyte (sparse, as
// `truncate -s 1G` makes it) is no language: the program shows English, and
// so does the Options page's list, which does not offer it.
TEST_F(LanguagesTest, EveryEncodingShowsItsTextsAsWrittenAndAGigabyteFileIsNoLanguage)
{
    ProgramFolder folder;
    ASSERT_TRUE(folder.ready);
    const std::wstring japanese = L"\u7D42\u4E86(&X)";           // 終了(&X)
    const std::wstring chinese = L"\u9000\u51FA(&X) \U0001F319"; // a character beyond 16 bits
    const struct {
        const wchar_t* name;
        std::string bytes;
        std::wstring shown;
    } table[] = {
        {L"utf8-marked",
         "\xEF\xBB\xBF[DialogID_102]\r\nID_3=\xD0\x92\xD1\x8B\xD1\x85\xD0\xBE\xD0\xB4\r\n",
         L"\u0412\u044B\u0445\u043E\u0434"},
        {L"utf8", "[DialogID_102]\nID_3=Zako\xC5\x84\x63z\n", L"Zako\u0144cz"},
        {L"utf16",
         testing_support::Utf16Bytes(L"\xFEFF[DialogID_102]\r\nID_3=" + japanese + L"\r\n"),
         japanese},
        {L"utf16-swapped",
         testing_support::Utf16Bytes(L"\xFEFF[DialogID_102]\rID_3=" + chinese + L"\r", true),
         chinese},
        {L"windows-1252",
         "[DialogID_102]\r\nID_3=Schlie\xDF"
         "en\r\n",
         L"Schlie\u00DF"
         L"en"},
    };
    for (const auto& row : table) {
        ASSERT_TRUE(folder.Write(std::wstring(row.name) + L".lng", row.bytes));
        StoreLanguage(row.name);
        Program program(folder);
        EXPECT_EQ(ExitText(program), row.shown) << fw::Utf8(row.name);
    }
    HANDLE file = ::CreateFileW(folder.File(L"huge.lng").c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    LARGE_INTEGER size{};
    size.QuadPart = 1LL << 30;
    EXPECT_TRUE(::SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && ::SetEndOfFile(file));
    ::CloseHandle(file);
    StoreLanguage(L"huge");
    EXPECT_EQ(ExitText(Program(folder), L"huge"), L"E&xit English");
}

// A value of a language file's text ("" when missing).
std::wstring ValueOf(const std::string& file, const char* section, const char* key)
{
    CString value;
    IniText(file).Read(section, key, 1023, value);
    return fw::Wide(value);
}

TEST_F(LanguagesTest, ACyrillicAndAChineseTranslationChosenOnTheOptionsPageShowAfterARestart)
{
    ProgramFolder folder;
    ASSERT_TRUE(folder.ready);
    for (const char* language : {"russian", "chinese-simplified"})
        ASSERT_TRUE(
            folder.Write(fw::Wide(language) + L".lng",
                         testing_support::ShippedLanguageText(std::string(language) + ".lng")));
    StoreLanguage(L"english");
    for (const char* language : {"russian", "chinese-simplified"}) {
        const std::string file =
            testing_support::ShippedLanguageText(std::string(language) + ".lng");
        const std::wstring exit = ValueOf(file, "DialogID_102", "ID_3");
        const std::wstring named = ValueOf(file, "Translator", "Name"); // as the list names it
        ASSERT_FALSE(exit.empty()) << language;
        {
            // Chosen in the list as the user does, then Exit.
            Program program(folder);
            HWND main = program.Main();
            ASSERT_NE(main, nullptr);
            ASSERT_TRUE(ChooseLanguage(FindDescendant(main, IDC_OPT_LANGUAGE),
                                       named.empty() ? fw::Wide(language) : named));
            EXPECT_EQ(TextOf(::GetDlgItem(main, IDC_MAIN_EXIT)), exit) << language;
            ::PostMessageW(::GetDlgItem(main, IDC_MAIN_EXIT), BM_CLICK, 0, 0);
            EXPECT_TRUE(program.EndsCleanly());
        }
        Program again(folder);
        EXPECT_EQ(ExitText(again), exit) << language << " after a restart";
    }
}

// While she has chosen no language, the program speaks the translation of
// the Windows display language from the first start's question on, the
// wizard's buttons too (not in Windows' words), and stores no language;
// English when no file is of that language. CTest runs this test also under a
// Russian and under a Swedish display language (tests/CMakeLists.txt).
TEST_F(LanguagesTest, TheFirstStartSpeaksTheDisplayLanguage)
{
    ProgramFolder folder;
    ASSERT_TRUE(folder.ready);
    struct Language {
        const wchar_t* file;
        const char* locale;
        std::wstring offer, next, name;
    };
    const Language languages[] = {
        {L"russian", "ru", L"\u041C\u0430\u0441\u0442\u0435\u0440",
         L"\u0414\u0430\u043B\u044C\u0448\u0435 >", L"\u0420\u0443\u0441\u0441\u043A\u0438\u0439"},
        {L"german", "de", L"Assistent", L"Weiter geht's >", L"Deutsch"},
    };
    wchar_t display[LOCALE_NAME_MAX_LENGTH] = {};
    ::LCIDToLocaleName(MAKELCID(::GetUserDefaultUILanguage(), SORT_DEFAULT), display,
                       LOCALE_NAME_MAX_LENGTH, 0);
    Language expected{L"english", "en", L"Launch Wizard", L"&Next >", L"English"};
    for (const Language& language : languages) {
        ASSERT_TRUE(
            folder.Write(std::wstring(language.file) + L".lng",
                         "\xEF\xBB\xBF[Translator]\r\nLocale=" + std::string(language.locale) +
                             "\r\nName=" + fw::Utf8(language.name) +
                             "\r\n[DialogID_149]\r\nID_1045=" + fw::Utf8(language.offer) +
                             "\r\n[Texts]\r\nWizardNext=" + fw::Utf8(language.next) + "\r\n"));
        if (fw::Utf8(display).compare(0, 3, std::string(language.locale) + "-") == 0)
            expected = language;
    }
    Program program(folder);
    HWND offer = program.WaitFor(Holding(IDC_FIRST_LAUNCH_WIZARD));
    ASSERT_NE(offer, nullptr);
    EXPECT_EQ(TextOf(::GetDlgItem(offer, IDC_FIRST_LAUNCH_WIZARD)), expected.offer)
        << fw::Utf8(display);
    ::PostMessageA(::GetDlgItem(offer, IDC_FIRST_OK), BM_CLICK, 0, 0);
    HWND wizard = program.WaitFor(Holding(ID_WIZNEXT));
    ASSERT_NE(wizard, nullptr);
    EXPECT_EQ(TextOf(::GetDlgItem(wizard, ID_WIZNEXT)), expected.next);
    ::PostMessageA(wizard, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(wizard); }));
    HWND main = program.Main();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(TextOf(FindDescendant(main, IDC_OPT_LANGUAGE)), expected.name);
    ::PostMessageW(::GetDlgItem(main, IDC_MAIN_EXIT), BM_CLICK, 0, 0);
    EXPECT_TRUE(program.EndsCleanly());
    std::string stored;
    EXPECT_FALSE(TestSettings().ReadText(SettingLang, stored)) << stored;
}

// The keyboard in the language list: the dropped list only moves through the
// languages (typing a letter, the arrows) and keeps the focus; Enter closes
// it and takes the language, without pressing the window's default button
// (Hide); a step in the closed list (an arrow, a letter) takes the language
// at once, the focus staying in the list.
TEST_F(LanguagesTest, TheLanguageListTakesALanguageOnlyWhenSheHasChosenIt)
{
    ProgramFolder folder;
    ASSERT_TRUE(folder.ready);
    for (const auto& [file, name, hide] : {std::tuple{L"german.lng", "Deutsch", "&Verbergen"},
                                           {L"french.lng",
                                            "Fran\xC3\xA7"
                                            "ais",
                                            "&Cacher"}})
        ASSERT_TRUE(folder.Write(file, "[Translator]\r\nName=" + std::string(name) +
                                           "\r\n[DialogID_102]\r\nID_1030=" + hide + "\r\n"));
    StoreLanguage(L"english");
    Program program(folder);
    HWND main = program.Main();
    ASSERT_NE(main, nullptr);
    ::SendMessageA(main, WM_COMMAND, ID_MENU_OPTIONS, 0);
    HWND list = FindDescendant(main, IDC_OPT_LANGUAGE);
    ::SendMessageA(::GetParent(list), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list), TRUE);
    const DWORD thread = ::GetWindowThreadProcessId(main, nullptr);
    // Each key as the keyboard gives it, through the program's message loop;
    // the list holds Deutsch, English, Français.
    const struct {
        UINT message;
        WPARAM key;
        LRESULT selected;
        bool dropped;
        const char* stored;
        const wchar_t* hide;
    } table[] = {
        {WM_KEYDOWN, VK_F4, 1, true, "english", L"&Hide"},
        {WM_CHAR, 'd', 0, true, "english", L"&Hide"},
        {WM_KEYDOWN, VK_DOWN, 1, true, "english", L"&Hide"},
        {WM_KEYDOWN, VK_DOWN, 2, true, "english", L"&Hide"},
        {WM_KEYDOWN, VK_RETURN, 2, false, "french", L"&Cacher"},
        {WM_KEYDOWN, VK_UP, 1, false, "english", L"&Hide"},
        {WM_CHAR, 'd', 0, false, "german", L"&Verbergen"},
    };
    for (const auto& row : table) {
        ::PostMessageW(list, row.message, row.key, 1);
        const bool reached = WaitUntil([&] {
            std::string stored;
            TestSettings().ReadText(SettingLang, stored);
            return ::SendMessageW(list, CB_GETCURSEL, 0, 0) == row.selected &&
                   (::SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) != 0) == row.dropped &&
                   stored == row.stored && TextOf(::GetDlgItem(main, IDC_MAIN_HIDE)) == row.hide;
        });
        GUITHREADINFO focus{};
        focus.cbSize = sizeof(focus);
        ::GetGUIThreadInfo(thread, &focus);
        EXPECT_TRUE(reached && focus.hwndFocus == list && ::IsWindowVisible(main))
            << "key " << row.key << ": " << ::SendMessageW(list, CB_GETCURSEL, 0, 0);
    }
    EXPECT_TRUE(program.Windows(Holding(IDC_QLH_HIDE_MESSAGE)).empty()) << "Hide was pressed";
}

} // namespace
} // namespace blackbox
