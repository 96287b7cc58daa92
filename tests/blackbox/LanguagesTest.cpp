// Language files as translators' tools write them, read by the running
// program: each encoding shows its texts exactly (read back from the windows
// in UTF-16); a Cyrillic and a Chinese translation chosen on the Options page
// show again after a restart.
#include "tests/blackbox/Program.h"

#include "framework/TextCodec.h"
#include "tests/support/LanguageText.h"

namespace blackbox {
namespace {

using LanguagesTest = BlackBoxTest;

// A settings key that asks for the language and a visible window.
void StoreLanguage(const std::wstring& name)
{
    ASSERT_TRUE(WriteSettingDword(SettingVisibled, 1) &&
                WriteSettingText(SettingLang, fw::Utf8(name)));
}

// The Exit button's text of the shown main window.
std::wstring ExitText(const Program& program)
{
    HWND main = program.Main();
    return main ? TextOf(::GetDlgItem(main, IDC_MAIN_EXIT)) : L"(no window)";
}

TEST_F(LanguagesTest, EveryEncodingShowsItsTextsAsWritten)
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
        std::wstring exit;
        for (const auto& section : testing_support::ParseLanguageText(
                 testing_support::ShippedLanguageText(std::string(language) + ".lng")))
            for (const auto& entry : section.entries)
                if (section.name == "DialogID_102" && entry.key == "ID_3")
                    exit = fw::Wide(entry.value);
        ASSERT_FALSE(exit.empty()) << language;
        {
            // Chosen in the list as the user does, then Exit.
            Program program(folder);
            HWND main = program.Main();
            ASSERT_NE(main, nullptr);
            ASSERT_TRUE(ChooseLanguage(FindDescendant(main, IDC_OPT_LANGUAGE), fw::Wide(language)));
            EXPECT_EQ(TextOf(::GetDlgItem(main, IDC_MAIN_EXIT)), exit) << language;
            ::PostMessageW(::GetDlgItem(main, IDC_MAIN_EXIT), BM_CLICK, 0, 0);
            EXPECT_TRUE(program.EndsCleanly());
        }
        Program again(folder);
        EXPECT_EQ(ExitText(again), exit) << language << " after a restart";
    }
}

// A stranger's file of a gigabyte (sparse, as `truncate -s 1G` makes it):
// started with it, the program shows English, and so does the Options page's
// list; chosen there, it is refused: nothing stored, English still shown.
TEST_F(LanguagesTest, AGigabyteFileIsNoLanguage)
{
    ProgramFolder folder;
    ASSERT_TRUE(folder.ready);
    {
        HANDLE file = ::CreateFileW(folder.File(L"huge.lng").c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        LARGE_INTEGER size{};
        size.QuadPart = 1LL << 30;
        EXPECT_TRUE(::SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && ::SetEndOfFile(file));
        ::CloseHandle(file);
    }
    StoreLanguage(L"huge");
    Program program(folder);
    HWND main = program.Main();
    ASSERT_NE(main, nullptr);
    HWND list = FindDescendant(main, IDC_OPT_LANGUAGE);
    EXPECT_TRUE(TextOf(::GetDlgItem(main, IDC_MAIN_EXIT)) == L"E&xit" &&
                TextOf(list) == L"english");
    ASSERT_TRUE(ChooseLanguage(list, L"huge"));
    std::string stored;
    ReadSettingText(SettingLang, stored);
    EXPECT_TRUE(stored == "huge" && TextOf(list) == L"english" &&
                TextOf(::GetDlgItem(main, IDC_MAIN_EXIT)) == L"E&xit")
        << stored;
}

} // namespace
} // namespace blackbox
