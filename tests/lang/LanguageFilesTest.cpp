#include "lang/LanguageFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/Sandbox.h"

namespace {

CStringArray Sorted(CStringArray names)
{
    std::sort(names.begin(), names.end());
    return names;
}

class LanguageFilesTest : public ::testing::Test {
protected:
    LanguageFilesTest()
    {
        for (const char* name :
             {"english.lng", "German.lng", ".lng", "pt.br.lng", "fr.lngx", "readme.txt", "old.LNG"})
            folder.Write(name, "[Translator]\r\n");
        CreateDirectoryA(folder.File("folder.lng").c_str(), nullptr);
    }

    CStringArray List(const std::string& where, bool withPath = false, bool cut = true)
    {
        CStringArray names{"left over"};
        EXPECT_TRUE(ListFiles(where, "*.lng", names, withPath, cut));
        return Sorted(names);
    }

    testing_support::TempFolder folder;
};

} // namespace

TEST_F(LanguageFilesTest, ListsLanguageNamesAsTheFileSystemSpellsThem)
{
    // ".lng" has an empty name, "folder.lng" is a folder, "fr.lngx" only
    // matches through its short name: none of them is a language.
    EXPECT_EQ((CStringArray{"German", "english", "old", "pt.br"}), List(folder.Path()));
}

TEST_F(LanguageFilesTest, TrailingSeparatorsAndBlanksNameTheSameFolder)
{
    const CStringArray plain = List(folder.Path());
    EXPECT_EQ(plain, List(folder.Path() + "\\"));
    EXPECT_EQ(plain, List(folder.Path() + "/"));
    EXPECT_EQ(plain, List(folder.Path() + " \\ \t"));
}

TEST_F(LanguageFilesTest, NamesWithPathOrWithExtension)
{
    EXPECT_EQ((CStringArray{folder.Path() + "\\German", folder.Path() + "\\english",
                            folder.Path() + "\\old", folder.Path() + "\\pt.br"}),
              List(folder.Path() + "\\", true));
    EXPECT_EQ((CStringArray{".lng", "German.lng", "english.lng", "old.LNG", "pt.br.lng"}),
              List(folder.Path(), false, false));
}

TEST_F(LanguageFilesTest, AMissingFolderGivesFalseAndAnEmptyList)
{
    CStringArray names{"left over"};
    EXPECT_FALSE(ListFiles(folder.File("missing"), "*.lng", names, false, true));
    EXPECT_TRUE(names.empty());
    EXPECT_FALSE(ListFiles(folder.File("english.lng"), "*.lng", names, false, true));
}

TEST_F(LanguageFilesTest, NoMatchGivesTrueAndAnEmptyList)
{
    CStringArray names{"left over"};
    EXPECT_TRUE(ListFiles(folder.Path(), "*.xyz", names, false, true));
    EXPECT_TRUE(names.empty());
}

TEST(DirectoryExists, EmptyPathsAndFolders)
{
    testing_support::TempFolder folder;
    folder.Write("file.txt", "x");
    EXPECT_TRUE(DirectoryExists(""));
    EXPECT_TRUE(DirectoryExists(" \t"));
    EXPECT_TRUE(DirectoryExists(folder.Path()));
    EXPECT_TRUE(DirectoryExists("  " + folder.Path() + "\\/ "));
    EXPECT_FALSE(DirectoryExists(folder.File("file.txt")));
    EXPECT_FALSE(DirectoryExists(folder.File("missing")));
}

TEST(MatchesFilePattern, WildcardsWithoutRegardToCase)
{
    EXPECT_TRUE(MatchesFilePattern("english.lng", "*.lng"));
    EXPECT_TRUE(MatchesFilePattern("OLD.LNG", "*.lng"));
    EXPECT_TRUE(MatchesFilePattern(".lng", "*.lng"));
    EXPECT_FALSE(MatchesFilePattern("fr.lngx", "*.lng"));
    EXPECT_FALSE(MatchesFilePattern("FR~1.LNG", "*.lngx"));
    EXPECT_TRUE(MatchesFilePattern("a.lng.lng", "*.lng"));
    EXPECT_TRUE(MatchesFilePattern("ab", "a?"));
    EXPECT_FALSE(MatchesFilePattern("a", "a?"));
    EXPECT_TRUE(MatchesFilePattern("anything", "*"));
}
