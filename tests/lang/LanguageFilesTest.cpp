#include "lang/LanguageFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "lang/ModulePath.h"
#include "tests/lang/WideFolder.h"

namespace {

using testing_support::WideFolder;

template <typename Names> Names Sorted(Names names)
{
    std::sort(names.begin(), names.end());
    return names;
}

class LanguageFilesTest : public ::testing::Test {
protected:
    LanguageFilesTest()
    {
        for (const wchar_t* name : {L"english.lng", L"German.lng", L".lng", L"pt.br.lng",
                                    L"fr.lngx", L"readme.txt", L"old.LNG"})
            folder.Write(name, "[Translator]\r\n");
        CreateDirectoryW(WideFolder::Long(folder.File(L"folder.lng")).c_str(), nullptr);
    }

    WideNames List(const std::wstring& where, bool withPath = false, bool cut = true)
    {
        WideNames names{L"left over"};
        EXPECT_TRUE(ListFiles(where, L"*.lng", names, withPath, cut));
        return Sorted(names);
    }

    WideFolder folder{L"languages"};
};

} // namespace

TEST_F(LanguageFilesTest, ListsLanguageNamesAsTheFileSystemSpellsThem)
{
    // ".lng" has an empty name, "folder.lng" is a folder, "fr.lngx" only
    // matches through its short name: none of them is a language.
    EXPECT_EQ((WideNames{L"German", L"english", L"old", L"pt.br"}), List(folder.Path()));
}

TEST_F(LanguageFilesTest, TrailingSeparatorsAndBlanksNameTheSameFolder)
{
    const WideNames plain = List(folder.Path());
    EXPECT_EQ(plain, List(folder.Path() + L"\\"));
    EXPECT_EQ(plain, List(folder.Path() + L"/"));
    EXPECT_EQ(plain, List(folder.Path() + L" \\ \t"));
}

TEST_F(LanguageFilesTest, NamesWithPathOrWithExtension)
{
    EXPECT_EQ((WideNames{folder.Path() + L"\\German", folder.Path() + L"\\english",
                         folder.Path() + L"\\old", folder.Path() + L"\\pt.br"}),
              List(folder.Path() + L"\\", true));
    EXPECT_EQ((WideNames{L".lng", L"German.lng", L"english.lng", L"old.LNG", L"pt.br.lng"}),
              List(folder.Path(), false, false));
}

TEST_F(LanguageFilesTest, AMissingFolderGivesFalseAndAnEmptyList)
{
    WideNames names{L"left over"};
    EXPECT_FALSE(ListFiles(folder.File(L"missing"), L"*.lng", names, false, true));
    EXPECT_TRUE(names.empty());
    EXPECT_FALSE(ListFiles(folder.File(L"english.lng"), L"*.lng", names, false, true));
}

TEST_F(LanguageFilesTest, NoMatchGivesTrueAndAnEmptyList)
{
    WideNames names{L"left over"};
    EXPECT_TRUE(ListFiles(folder.Path(), L"*.xyz", names, false, true));
    EXPECT_TRUE(names.empty());
}

// The languages beside an executable in a folder of any name and path length:
// names in any script, as UTF-8; names that are no plain file name are left out.
TEST(LanguageNames, AreListedFromAnyFolderInAnyScript)
{
    const std::wstring russian = L"\u0440\u0443\u0441\u0441\u043A\u0438\u0439";
    for (size_t length : {0, 300}) {
        WideFolder folder(testing_support::ScriptsFolderName(), length);
        ASSERT_GE(folder.Path().size(), length);
        for (const std::wstring& name :
             {std::wstring(L"english"), russian, std::wstring(L"\u65E5\u672C\u8A9E")})
            ASSERT_TRUE(folder.Write(name + L".lng", "[Translator]\r\n"));
        folder.Write(L"nul.txt.lng", ""); // a device name, where the file system allows it
        ModulePath::OverrideModuleFileName(folder.File(L"velindra.exe"));
        EXPECT_EQ(
            (CStringArray{"english", "\xD1\x80\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9",
                          "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"}),
            Sorted(ListLanguageNames()))
            << folder.Path().size();
        ModulePath::ResetModuleFileName();
    }
}

TEST(DirectoryExists, EmptyPathsAndFolders)
{
    WideFolder folder(L"exists", 300);
    folder.Write(L"file.txt", "x");
    EXPECT_TRUE(DirectoryExists(L""));
    EXPECT_TRUE(DirectoryExists(L" \t"));
    EXPECT_TRUE(DirectoryExists(folder.Path()));
    EXPECT_TRUE(DirectoryExists(L"  " + folder.Path() + L"\\/ "));
    EXPECT_FALSE(DirectoryExists(folder.File(L"file.txt")));
    EXPECT_FALSE(DirectoryExists(folder.File(L"missing")));
}

TEST(MatchesFilePattern, WildcardsWithoutRegardToCase)
{
    EXPECT_TRUE(MatchesFilePattern(L"english.lng", L"*.lng"));
    EXPECT_TRUE(MatchesFilePattern(L"OLD.LNG", L"*.lng"));
    EXPECT_TRUE(MatchesFilePattern(L".lng", L"*.lng"));
    EXPECT_FALSE(MatchesFilePattern(L"fr.lngx", L"*.lng"));
    EXPECT_FALSE(MatchesFilePattern(L"FR~1.LNG", L"*.lngx"));
    EXPECT_TRUE(MatchesFilePattern(L"a.lng.lng", L"*.lng"));
    EXPECT_TRUE(MatchesFilePattern(L"ab", L"a?"));
    EXPECT_FALSE(MatchesFilePattern(L"a", L"a?"));
    EXPECT_TRUE(MatchesFilePattern(L"anything", L"*"));
    EXPECT_TRUE(MatchesFilePattern(L"\u0420\u0423\u0421.LNG", L"\u0440\u0443\u0441.lng"));
}
