#include "lang/LanguageManager.h"

#include <string>

#include "model/AppIdentity.h"
#include "tests/lang/LanguageFolder.h"

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
