// Language names, the paths beside the executable and the listing of the
// language files there.
#include <gtest/gtest.h>

#include <algorithm>

#include "lang/LanguageFiles.h"
#include "lang/LanguageName.h"
#include "lang/LongPath.h"
#include "lang/ModulePath.h"
#include "tests/support/Sandbox.h"

namespace {

TEST(LanguageName, OnlyPlainFileNamesAreLanguages)
{
    for (const char* name :
         {"english", "pt.br", " german\t", "console", "com10", "\xE6\x97\xA5 \xF0\x9F\x8E\x89"})
        EXPECT_TRUE(IsPlainLanguageName(name)) << name;
    for (const char* name : {"", " \t ", ".", "..", "..\\evil", "../evil", "C:german",
                             "\\\\server\\share\\german", "ger*", "ger?an", "a\"b", "a<b", "a|b"})
        EXPECT_FALSE(IsPlainLanguageName(name)) << name;
    for (const char* name : {"tab\tinside", "del\x7F", "con.txt", "Nul ", "nul .lng", "PRN",
                             "aux.de", "com9.x", "lpt9", "\xFF\xFEnot UTF-8"})
        EXPECT_FALSE(IsPlainLanguageName(name)) << name;
}

// A path that MAX_PATH might not hold reaches the file functions in its
// extended-length form; a path that is not full never counts as one.
TEST(LongPath, FullPathsOfAnyLength)
{
    const std::wstring deep = L"\\" + std::wstring(250, L'd'), name = L"\\x.lng";
    const std::pair<std::wstring, std::wstring> table[] = {
        {L"C:\\short" + name, L"C:\\short" + name},
        {L"C:" + deep + L"/x.lng", L"\\\\?\\C:" + deep + name},
        {L"\\\\server\\share" + deep + name, L"\\\\?\\UNC\\server\\share" + deep + name},
        {L"\\\\?\\C:" + deep + name, L"\\\\?\\C:" + deep + name},
        {L"relative" + deep + name, L"relative" + deep + name}};
    for (const auto& row : table)
        EXPECT_EQ(row.second, FileSystemPath(row.first));
    for (const wchar_t* full : {L"C:\\x", L"C:/x", L"\\\\server\\x", L"//server/x"})
        EXPECT_TRUE(IsFullPath(full)) << full;
    for (const wchar_t* relative : {L"velindra.exe", L"C:x", L"\\x", L"a\\b", L"C:"})
        EXPECT_FALSE(IsFullPath(relative)) << relative;
}

TEST(ModulePath, SplitsAndJoinsAPath)
{
    ModulePath path(L"C:\\Program Files\\a.b\\velindra.v1.exe");
    EXPECT_EQ(L"C: \\Program Files\\a.b\\ velindra.v1 .exe",
              path.GetDrive() + L" " + path.GetFolder() + L" " + path.GetFileName() + L" " +
                  path.GetExtension());
    path.SetFileName(L"german");
    path.SetExtension(L"lng");
    EXPECT_EQ(L"C:\\Program Files\\a.b\\german.lng", path.MakePath());
    EXPECT_EQ(L"velindra", ModulePath(L"velindra").MakePath());
    const ModulePath running(ModulePath::ModuleFileName());
    EXPECT_EQ(L"test_lang.exe", running.GetFileName() + running.GetExtension());
}

template <typename Names> Names Sorted(Names names)
{
    std::sort(names.begin(), names.end());
    return names;
}

// The file system also matches "*.lng" against short names ("fr.lngx"); a
// folder or a name without a stem is no language either.
TEST(ListFiles, ListsWhatReallyMatchesAsTheFileSystemSpellsIt)
{
    testing_support::WideFolder folder(L"languages");
    for (const wchar_t* name :
         {L"english.lng", L"German.lng", L".lng", L"pt.br.lng", L"fr.lngx", L"old.LNG"})
        folder.Write(name, "[Translator]\r\n");
    CreateDirectoryW(folder.File(L"folder.lng").c_str(), nullptr);
    WideNames names{L"left over"};
    for (const auto& where : {std::make_pair(folder.Path(), L"*.lng"),
                              {folder.Path() + L" \\ \t", L"*.lng"},
                              {folder.Path() + L"/", L"*.lng"},
                              {folder.Path() + L"\\..", L"languages/*.lng"}}) {
        EXPECT_TRUE(ListFiles(where.first, where.second, names, false, true));
        EXPECT_EQ((WideNames{L"German", L"english", L"old", L"pt.br"}), Sorted(names));
    }
    EXPECT_TRUE(ListFiles(folder.Path(), L"*.lng", names, true, false));
    EXPECT_EQ(5u, names.size());
    EXPECT_EQ(folder.File(L".lng"), Sorted(names)[0]);
    EXPECT_TRUE(ListFiles(folder.Path(), L"*.xyz", names, false, true) && names.empty());
    names = {L"left over"};
    EXPECT_FALSE(ListFiles(folder.File(L"missing"), L"*.lng", names, false, true) ||
                 !names.empty());
    EXPECT_FALSE(ListFiles(folder.File(L"english.lng"), L"*.lng", names, false, true));
    EXPECT_TRUE(DirectoryExists(L"") && DirectoryExists(L" \t") &&
                DirectoryExists(L"  " + folder.Path() + L"\\/ "));
}

} // namespace
