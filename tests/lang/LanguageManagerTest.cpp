#include "lang/LanguageManager.h"

#include <string>

#include "lang/LanguageName.h"
#include "model/AppIdentity.h"
#include "tests/lang/LanguageFolder.h"
#include "tests/lang/WideFolder.h"

namespace {

class LanguageManagerTest : public LanguageFolderTest {
protected:
    const std::string german_ =
        "[DialogID_131]\r\nID_0=Halbjahreskalender\r\nID_1006=&Weiter >>\r\n"
        "ID_1007=\r\n[Translator]\r\nID_0=Greta\r\nID_1=greta@example.org\r\n"
        "ID_2=01/02/2005\r\n";
};

} // namespace

TEST_F(LanguageManagerTest, WithoutALanguageNothingIsReadOrWritten)
{
    folder.Write("english.lng", "[Common]\r\nID_1=one\r\n");
    LanguageManager manager;
    EXPECT_FALSE(manager.HasLanguage());
    EXPECT_EQ("built-in", manager.LookupText("", 1, "built-in"));
    EXPECT_EQ("", manager.ReadString("", "ID_1"));
    EXPECT_FALSE(manager.StoreText("Common", 2, "two"));
    EXPECT_FALSE(manager.WriteString("Common", "ID_2", "two"));
    EXPECT_EQ("Orrowby", manager.GetTranslatorInfo(0)) << "the default, but not written";
    EXPECT_EQ("[Common]\r\nID_1=one\r\n", English());
}

TEST_F(LanguageManagerTest, SetLanguageWritesTheTranslatorDefaultsIntoTheEnglishFile)
{
    LanguageManager manager;
    EXPECT_TRUE(manager.SetLanguage("english"));
    EXPECT_EQ("english", manager.GetLanguage());
    ASSERT_TRUE(folder.Exists("english.lng"));
    EXPECT_EQ("Orrowby", manager.ReadString("Translator", "ID_0"));
    EXPECT_EQ(velindra::kSupportAddress, manager.ReadString("Translator", "ID_1"));
    EXPECT_EQ("09/20/2004", manager.ReadString("Translator", "ID_2"));
}

TEST_F(LanguageManagerTest, SetLanguageIgnoresCaseAndTrimsBlanks)
{
    LanguageManager manager;
    ASSERT_TRUE(manager.SetLanguage("english"));
    DeleteFileA(folder.File("english.lng").c_str());

    EXPECT_FALSE(manager.SetLanguage("ENGLISH"));
    EXPECT_FALSE(manager.SetLanguage("  English\t"));
    EXPECT_EQ("english", manager.GetLanguage());
    EXPECT_FALSE(folder.Exists("english.lng")) << "the Translator section must not be rewritten";

    folder.Write("german.lng", german_);
    EXPECT_TRUE(manager.SetLanguage(" german \r\n"));
    EXPECT_EQ("german", manager.GetLanguage());
    EXPECT_EQ("Halbjahreskalender", manager.LookupText("DialogID_131", 0, "Half-Year Calendar"));
}

TEST_F(LanguageManagerTest, AForeignLanguageFileIsOnlyEverRead)
{
    folder.Write("german.lng", german_);
    LanguageManager manager;
    ASSERT_TRUE(manager.SetLanguage("german"));
    EXPECT_TRUE(manager.StoreText("DialogID_131", 1006, "&Next >>"));
    EXPECT_EQ("&Weiter >>", manager.LookupText("DialogID_131", 1006, "&Next >>"));
    EXPECT_EQ("<< &Previous", manager.LookupText("DialogID_131", 1005, "<< &Previous"));
    EXPECT_EQ("Greta", manager.GetTranslatorInfo(0));
    EXPECT_EQ("greta@example.org", manager.GetTranslatorInfo(1));
    EXPECT_EQ("01/02/2005", manager.GetTranslatorInfo(2));

    EXPECT_EQ(german_, folder.Read("german.lng"));
    const std::string english = English();
    EXPECT_NE(std::string::npos, english.find("ID_1006=&Next >>"));
    EXPECT_NE(std::string::npos, english.find("ID_0=Orrowby"));
}

TEST_F(LanguageManagerTest, SectionsAndKeysMatchWithoutRegardToCase)
{
    folder.Write("german.lng", "[dialogid_102 - pageno_2]\r\nid_1005=Mit &Windows starten\r\n");
    LanguageManager manager;
    manager.SetLanguage("german");
    EXPECT_EQ("Mit &Windows starten",
              manager.LookupText("DialogID_102 - PageNo_2", 1005, "Autoload with &Windows"));
}

TEST_F(LanguageManagerTest, KeysAreTrimmedOfPunctuationAndWhiteSpace)
{
    folder.Write("german.lng", "[S]\r\nID_5=five\r\n");
    LanguageManager manager;
    manager.SetLanguage("german");
    EXPECT_EQ("five", manager.ReadString("S", " ID_5;"));
    EXPECT_EQ("five", manager.ReadString("S", ":.,ID_5\t\r\n"));
    EXPECT_EQ("", manager.ReadString("S", " ;.")) << "a key of trim characters only";

    EXPECT_TRUE(manager.WriteString("S", ", ID_7. ", "seven"));
    EXPECT_NE(std::string::npos, English().find("\r\nID_7=seven"));
    EXPECT_FALSE(manager.WriteString("S", "", "nothing"));
    EXPECT_FALSE(manager.WriteString("S", " ; ", "nothing"));
}

TEST_F(LanguageManagerTest, EmptyValuesAndEmptySectionsAndNegativeNumbers)
{
    folder.Write("german.lng", "[DialogID_131]\r\nID_1007=\r\n[Common]\r\nID_-1=minus one\r\n");
    LanguageManager manager;
    manager.SetLanguage("german");
    EXPECT_EQ("Close", manager.LookupText("DialogID_131", 1007, "Close"));
    EXPECT_EQ("minus one", manager.LookupText("", -1, "x"));
    EXPECT_TRUE(manager.StoreText("", 3, ""));
    EXPECT_NE(std::string::npos, English().find("[Common]\r\nID_3=\r\n"));
}

TEST_F(LanguageManagerTest, ValuesAreCutAt1023Characters)
{
    const std::string longValue = std::string(1000, 'a') + std::string(1000, 'b');
    folder.Write("german.lng", "[S]\r\nID_1=" + longValue + "\r\n");
    LanguageManager manager;
    manager.SetLanguage("german");
    EXPECT_EQ(longValue.substr(0, 1023), manager.LookupText("S", 1, ""));
}

TEST_F(LanguageManagerTest, ValuesAreWrittenUnchangedButNeverAcrossLines)
{
    LanguageManager manager;
    manager.SetLanguage("english");
    EXPECT_TRUE(manager.StoreText("S", 1, "E&xit"));
    EXPECT_EQ("E&xit", manager.LookupText("S", 1, ""));

    const std::string before = English();
    EXPECT_FALSE(manager.StoreText("S", 2, "first line\r\n[S]\r\nID_1=forged"));
    EXPECT_FALSE(manager.StoreText("S", 2, "first\nsecond"));
    EXPECT_EQ(before, English());
}

TEST_F(LanguageManagerTest, TranslatorIndexOutsideZeroToTwoGivesNothingAndWritesNothing)
{
    LanguageManager manager;
    manager.SetLanguage("english");
    const std::string before = English();
    EXPECT_EQ("", manager.GetTranslatorInfo(3));
    EXPECT_EQ("", manager.GetTranslatorInfo(-1));
    EXPECT_EQ(before, English());
}

TEST_F(LanguageManagerTest, TranslatorInfoRestoresTheDefaultsInTheEnglishFile)
{
    folder.Write("english.lng", "[Translator]\r\nID_0=Somebody\r\n");
    LanguageManager manager;
    manager.SetLanguage("english");
    EXPECT_EQ("Orrowby", manager.GetTranslatorInfo(0));
    EXPECT_EQ("[Translator]\r\nID_0=Orrowby\r\nID_1=" + std::string(velindra::kSupportAddress) +
                  "\r\nID_2=09/20/2004\r\n",
              English());
}

struct NameCase {
    const char* name;
    bool plain;
};

TEST(LanguageName, OnlyPlainFileNamesAreLanguages)
{
    const NameCase table[] = {
        {"english", true},
        {"pt.br", true},
        {" german\t", true},
        {"\xD1\x80\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9", true},
        {"\xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x8E\x89", true},
        {"console", true},
        {"com10", true},
        {"", false},
        {" \t ", false},
        {".", false},
        {"..", false},
        {"..\\evil", false},
        {"../evil", false},
        {"sub\\german", false},
        {"C:german", false},
        {"\\\\server\\share\\german", false},
        {"ger*", false},
        {"ger?an", false},
        {"a\"b", false},
        {"a<b", false},
        {"a|b", false},
        {"tab\tinside", false},
        {"bell\x07", false},
        {"del\x7F", false},
        {"CON", false},
        {"con.txt", false},
        {"Nul ", false},
        {"nul .lng", false},
        {"PRN", false},
        {"aux.de", false},
        {"COM1", false},
        {"com9.x", false},
        {"LPT1", false},
        {"lpt9", false},
        {"\xFF\xFEnot UTF-8", false},
    };
    for (const NameCase& row : table)
        EXPECT_EQ(row.plain, IsPlainLanguageName(row.name)) << '"' << row.name << '"';
}

// A language name never leads out of the executable's folder: anything but a
// plain file name makes "english" current.
TEST_F(LanguageManagerTest, NamesThatAreNoPlainFileNamesMeanEnglish)
{
    testing_support::WideFolder outside(L"outside");
    ASSERT_TRUE(outside.Write(L"evil.lng", "[S]\r\nID_1=evil\r\n"));
    CreateDirectoryW((outside.Path() + L"\\app").c_str(), nullptr);
    ModulePath::OverrideModuleFileName(outside.Path() + L"\\app\\velindra.exe");
    for (const char* name : {"..\\evil", "../evil", "CON", ""}) {
        LanguageManager manager;
        EXPECT_TRUE(manager.SetLanguage(name)) << name;
        EXPECT_EQ("english", manager.GetLanguage()) << name;
        EXPECT_EQ("built-in", manager.LookupText("S", 1, "built-in")) << name;
    }
    EXPECT_EQ("[S]\r\nID_1=evil\r\n", outside.Read(L"evil.lng"));
    EXPECT_FALSE(outside.Exists(L"CON.lng"));
}

// Reads, writes and the language name work beside an executable in a folder
// of any name, with a path of any length.
TEST_F(LanguageManagerTest, AnyFolderAndAnyLanguageNameWork)
{
    const std::wstring russian = L"\u0440\u0443\u0441\u0441\u043A\u0438\u0439";
    for (size_t length : {0, 300}) {
        testing_support::WideFolder where(testing_support::ScriptsFolderName(), length);
        ASSERT_TRUE(where.Write(russian + L".lng", "[S]\r\nID_1=Zakryt\r\n"));
        ModulePath::OverrideModuleFileName(where.File(L"velindra.exe"));
        LanguageManager manager;
        ASSERT_TRUE(
            manager.SetLanguage("\xD1\x80\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9"));
        EXPECT_EQ("Zakryt", manager.LookupText("S", 1, "Close")) << where.Path().size();
        EXPECT_TRUE(manager.StoreText("S", 1, "Close"));
        EXPECT_EQ("[Translator]\r\nID_0=Orrowby\r\nID_1=" + std::string(velindra::kSupportAddress) +
                      "\r\nID_2=09/20/2004\r\n[S]\r\nID_1=Close\r\n",
                  where.Read(L"english.lng"));
    }
}

// Each file is read once and answered from memory; english.lng is written
// only when a text in it differs, once per operation; a file changed on
// disk is read again.
TEST_F(LanguageManagerTest, FilesAreReadOnceAndWrittenOnlyWhenSomethingChanged)
{
    folder.Write("german.lng", german_);
    LanguageManager manager;
    const int reads = LanguageFile::ReadCount();
    const int writes = LanguageFile::WriteCount();
    ASSERT_TRUE(manager.SetLanguage("german")); // english.lng written once, three keys
    EXPECT_EQ(writes + 1, LanguageFile::WriteCount());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ("&Weiter >>", manager.LookupText("DialogID_131", 1006, "&Next >>"));
    EXPECT_EQ(reads + 1, LanguageFile::ReadCount()) << "german.lng; english.lng did not exist";

    const std::string english = English();
    EXPECT_TRUE(manager.StoreText("Translator", 0, "Orrowby"));
    EXPECT_EQ(writes + 1, LanguageFile::WriteCount()) << "the same text is not written again";
    EXPECT_EQ(english, English());

    folder.Write("german.lng", "[DialogID_131]\r\nID_1006=&Vorw\xE4rts >>\r\n");
    EXPECT_EQ("&Vorw\xE4rts >>", manager.LookupText("DialogID_131", 1006, "&Next >>"));
    EXPECT_EQ(reads + 2, LanguageFile::ReadCount());
}

// A value that the ANSI code page cannot show, or bytes of another encoding,
// give the built-in text rather than question marks or garbage. A file saved
// as UTF-8 (with or without a byte-order mark) or UTF-16 is decoded.
TEST_F(LanguageManagerTest, ValuesInAnotherEncodingGiveTheirTextOrTheBuiltInOne)
{
    struct Case {
        std::string file;
        const char* shown;
    };
    const Case table[] = {
        {"\xEF\xBB\xBF[S]\r\nID_1=Schlie\xC3\x9F"
         "en\r\n",
         "Schlie\xDF"
         "en"},
        {"[S]\r\nID_1=Schlie\xC3\x9F"
         "en\r\n",
         "Schlie\xDF"
         "en"},
        {"\xEF\xBB\xBF[S]\r\nID_1=\xD0\x97\xD0\xB0\xD0\xBA\xD1\x80\xD1\x8B\xD1\x82\xD1\x8C\r\n",
         "Close"},
        {"[S]\r\nID_1=\xD0\x97\xD0\xB0\xD0\xBA\xD1\x80\xD1\x8B\xD1\x82\xD1\x8C\r\n", "Close"},
        {"\xEF\xBB\xBF[S]\r\nID_1=\xFF\xFE\r\n", "Close"},
        {std::string("\xFF\xFE[\0S\0]\0\n\0I\0D\0_\0"
                     "1\0=\0\x17\x04\r\0",
                     24),
         "Close"},
        {"[S]\r\nID_1=Fen\xEAtre\r\n", "Fen\xEAtre"},
    };
    for (const Case& row : table) {
        folder.Write("other.lng", row.file);
        LanguageManager manager;
        manager.SetLanguage("other");
        EXPECT_EQ(row.shown, manager.LookupText("S", 1, "Close")) << row.file;
    }
}
