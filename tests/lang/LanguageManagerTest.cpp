// The translation engine's language and lookup: which file answers, how keys
// and values are taken, and that english.lng alone is ever written, once per
// operation and only where a text differs.
#include "lang/LanguageManager.h"

#include <tuple>

#include "framework/DateFormat.h"
#include "framework/Handle.h"
#include "lang/LanguageFiles.h"
#include "lang/ProgramTexts.h"
#include "model/AppIdentity.h"
#include "tests/lang/LanguageFolder.h"
#include "tests/support/Sandbox.h"

namespace {

// The program's own texts as SetLanguage writes them into a new english.lng
// (UTF-8 with a byte-order mark), each with its form for one.
std::string TextsSection()
{
    std::string section = "[Texts]\r\n";
    for (int id = 0; id < static_cast<int>(TextId::Count); ++id) {
        const ProgramText text = ProgramTextOf(static_cast<TextId>(id));
        section += std::string(text.key) + "=" + text.english + "\r\n";
        if (text.englishOne)
            section += std::string(text.key) + ".one=" + text.englishOne + "\r\n";
    }
    return section;
}
const std::string kTranslator =
    "\xEF\xBB\xBF[Translator]\r\nID_0=Orrowby\r\nID_1=" + std::string(velindra::kSupportAddress) +
    "\r\nID_2=09/20/2004\r\nLocale=en-US\r\nName=English\r\n" + TextsSection();
const std::string kGerman =
    "[DialogID_131]\r\nID_1006=&Weiter >>\r\nID_1007=\r\n"
    "[dialogid_102 - pageno_2]\r\nid_1005=Mit &Windows starten\r\n"
    "[S]\r\n=nameless\r\nID_5=five\r\nID_6=" +
    std::string(2000, 'x') +
    "\r\n[Common]\r\nID_-1=minus one\r\n[Translator]\r\nID_0=Greta\r\nLocale=de-DE\r\n"
    "[Texts]\r\nToday=heute\r\n";

using LanguageManagerTest = LanguageFolderTest;

TEST_F(LanguageManagerTest, SetLanguageRestoresTheTranslatorSectionOfTheEnglishFile)
{
    folder.Write("english.lng", "\xEF\xBB\xBF[Translator]\r\nID_0=Somebody\r\n");
    LanguageManager manager{program};
    EXPECT_TRUE(manager.SetLanguage("english"));
    EXPECT_EQ(kTranslator, English());
    DeleteFileA(folder.File("english.lng").c_str());
    EXPECT_FALSE(manager.SetLanguage("ENGLISH") || manager.SetLanguage("  English\t"));
    EXPECT_FALSE(folder.Exists("english.lng"));
    folder.Write("german.lng", kGerman);
    EXPECT_TRUE(manager.SetLanguage(" german \r\n"));
    EXPECT_EQ("german", manager.GetLanguage());
    EXPECT_EQ("Greta", manager.GetTranslatorInfo(0));
    EXPECT_EQ(velindra::kSupportAddress, manager.GetTranslatorInfo(1)) << "built in when missing";
    EXPECT_EQ("", manager.GetTranslatorInfo(3) + manager.GetTranslatorInfo(-1));
    // Dates take the names of the language's own locale.
    SYSTEMTIME march{2004, 3, 0, 10, 0, 0, 0, 0};
    EXPECT_EQ(std::make_tuple(manager.GetLocaleName(), fw::FormatDate(march, L"MMMM")),
              std::make_tuple(std::string("de-DE"), std::string("M\u00e4rz")));
    EXPECT_EQ(kTranslator, English());
    EXPECT_EQ(kGerman, folder.Read("german.lng"));
}

// Sections and keys match in any case; keys lose ":;., " and white space at
// either end; values are cut at 1023 characters; an empty value is missing.
TEST_F(LanguageManagerTest, LookupRules)
{
    folder.Write("german.lng", kGerman);
    LanguageManager manager{program};
    manager.SetLanguage("german");
    EXPECT_EQ("Mit &Windows starten", manager.LookupText("DialogID_102 - PageNo_2", 1005, "x"));
    EXPECT_EQ("&Weiter >>", manager.LookupText("DIALOGID_131", 1006, "&Next >>"));
    EXPECT_EQ("Close", manager.LookupText("DialogID_131", 1007, "Close"));
    EXPECT_EQ("<< &Previous", manager.LookupText("DialogID_131", 1005, "<< &Previous"));
    EXPECT_EQ("minus one", manager.LookupText("", -1, "x"));
    EXPECT_EQ("five", manager.ReadString("S", " ID_5;") + manager.ReadString("T", "ID_5"));
    EXPECT_EQ("five", manager.ReadString("S", ":.,ID_5\t\r\n"));
    EXPECT_EQ("", manager.ReadString("S", " ;.") + manager.ReadString("S", ""));
    EXPECT_EQ(std::string(1023, 'x'), manager.ReadString("S", "ID_6"));
    EXPECT_EQ("heute", manager.Text(TextId::Today) + manager.Text(TextId::Count));
}

// Values are written as given, into english.lng whatever the language, but
// never across lines, and only under keys the format can hold.
TEST_F(LanguageManagerTest, WritesGoIntoTheEnglishFileOnly)
{
    folder.Write("german.lng", kGerman);
    LanguageManager manager{program};
    manager.SetLanguage("german");
    EXPECT_TRUE(manager.StoreText("S", 1, "E&xit") &&
                manager.WriteString("S", ", ID_7. ", "seven"));
    EXPECT_TRUE(manager.StoreText("", 3, ""));
    const std::string written =
        kTranslator + "[S]\r\nID_1=E&xit\r\nID_7=seven\r\n[Common]\r\nID_3=\r\n";
    EXPECT_EQ(written, English());
    for (const char* key : {"", " ; ", "[x]", "a=b"})
        EXPECT_FALSE(manager.WriteString("S", key, "nothing")) << key;
    EXPECT_FALSE(manager.StoreText("S", 2, "first line\r\n[S]\r\nID_1=forged"));
    EXPECT_FALSE(manager.StoreText("S", 2, "first\nsecond"));
    EXPECT_EQ(written, English());
    EXPECT_EQ(kGerman, folder.Read("german.lng"));
}

// Beside an executable in a folder of any name and path length, a language of
// any name is listed, read and written; a name that is no plain file name is
// not listed, and never leads out of the executable's folder: it makes
// "english" current.
TEST_F(LanguageManagerTest, AnyFolderAndAnyLanguageNameButNoPathOut)
{
    const char russian[] = "\xD1\x80\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9";
    for (size_t length : {0, 300}) {
        testing_support::WideFolder where(testing_support::ScriptsFolderName(), length);
        ASSERT_TRUE(where.Write(L"\u0440\u0443\u0441\u0441\u043A\u0438\u0439.lng",
                                "[S]\r\nID_1=Zakryt\r\n") &&
                    where.Write(L"nul.txt.lng", "") &&
                    where.Write(L"evil.lng", "[S]\r\nID_1=evil\r\n"));
        CreateDirectoryW(where.File(L"app").c_str(), nullptr);
        for (const char* name : {"..\\evil", "CON"}) {
            LanguageManager manager{where.File(L"app\\velindra.exe")};
            EXPECT_TRUE(manager.SetLanguage(name) && manager.GetLanguage() == "english") << name;
            EXPECT_EQ("built-in", manager.LookupText("S", 1, "built-in")) << name;
        }
        EXPECT_EQ("[S]\r\nID_1=evil\r\n", where.Read(L"evil.lng"));
        EXPECT_EQ((CStringArray{"evil", russian}), ListLanguageNames(where.File(L"velindra.exe")))
            << length;
        LanguageManager manager{where.File(L"velindra.exe")};
        ASSERT_TRUE(manager.SetLanguage(russian));
        EXPECT_EQ("Zakryt", manager.LookupText("S", 1, "Close")) << length;
        EXPECT_TRUE(manager.StoreText("S", 1, "Close"));
        EXPECT_EQ(kTranslator + "[S]\r\nID_1=Close\r\n", where.Read(L"english.lng"));
    }
}

// Each file is read once and answered from memory, again when it changes on
// disk; english.lng is written only when a text differs. Held open by another
// program, neither file can be read or written: what is asked meanwhile is
// answered from memory, and storing the text english.lng has succeeds.
TEST_F(LanguageManagerTest, FilesAreReadOnceAndWrittenOnlyWhenSomethingChanged)
{
    folder.Write("german.lng", kGerman);
    LanguageManager manager{program};
    ASSERT_TRUE(manager.SetLanguage("german"));
    {
        auto hold = [&](const char* name) {
            return fw::KernelHandle(CreateFileA(folder.File(name).c_str(), GENERIC_READ, 0, nullptr,
                                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        };
        const fw::KernelHandle german = hold("german.lng"), english = hold("english.lng");
        ASSERT_TRUE(german.IsValid() && english.IsValid());
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ("&Weiter >>", manager.LookupText("DialogID_131", 1006, "&Next >>"));
        EXPECT_TRUE(manager.StoreText("Translator", 0, "Orrowby"));
    }
    folder.Write("german.lng", "[DialogID_131]\r\nID_1006=&Vorw\xE4rts >>\r\n");
    EXPECT_EQ("&Vorwärts >>", manager.LookupText("DialogID_131", 1006, "&Next >>"));
}

// Places are filled in any order; a text holds at most 1,024 characters, cut
// before a character that does not fit whole (a stranger's file that repeats
// a place hundreds of times makes no text of megabytes).
TEST(FormatText, FillsThePlacesAndCapsTheText)
{
    const std::string ya = "\xD1\x8F", long1024 = std::string(1023, 'x') + ya;
    std::string repeated;
    for (int i = 0; i < 511; ++i)
        repeated += "%1";
    const struct {
        std::string pattern;
        CStringArray arguments;
        std::string text;
    } table[] = {
        {"%2 and %1, %3 %", {"a", "b"}, "b and a, %3 %"},
        {repeated, {long1024}, long1024},
        {ya + "%1", {long1024}, ya + std::string(1023, 'x')},
    };
    for (const auto& row : table)
        EXPECT_EQ(FormatText(row.pattern, row.arguments), row.text) << row.pattern.substr(0, 20);
}

} // namespace
