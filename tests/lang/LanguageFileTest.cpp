// The language file answers from memory exactly what the platform's profile
// functions answer for the same file, and its writes leave a file that they
// read as they read their own writes.
#include "lang/LanguageFile.h"

#include <windows.h>

#include <string>
#include <vector>

#include "tests/lang/LanguageFolder.h"

namespace {

const std::string kCapped(1023, 'a');

// Files that the profile functions read in their own ways.
const std::string kAwkwardFiles[] = {
    "",
    "; comment\r\n[S]\r\n;k=commented out\r\nk=value\r\n",
    "[S]\r\nk=first\r\n[s]\r\nk=second section\r\nk2=only in the second\r\n",
    "[S]\r\nk=first\r\nK=second\r\n",
    "[S]\r\nk\r\nk=after an entry without value\r\n",
    "  [S]  \r\n  k  =  spaced value  \r\n\tk2\t=\ttabbed\t\x1A\r\n",
    "[S]\r\nkey with spaces = inside\r\nk = a = b\r\n",
    "[S]\r\nq1=\"quoted\"\r\nq2='single'\r\nq3=\"unmatched\r\nq4=\"\r\nq5=\"\"\r\nq6='x\"\r\n",
    "[S]\r\nk=" + kCapped + "\r\nk2=" + kCapped + "b\r\nk3=" + std::string(3000, 'c') +
        "\r\nq1=\"" + std::string(1022, 'd') + "\"\r\nq2=\"" + std::string(1023, 'e') +
        "\"\r\nq3=\"" + std::string(1024, 'f') + "\"\r\n",
    "[S]\nk=line feeds\n[T]\rk=carriage returns\r[U]\r\n\r\nk=no line break at the end",
    "[S] trailing\r\nk=v\r\n[T\r\nk=in an unclosed header\r\n[ spaced ]\r\nk=x\r\n[]\r\nk=e\r\n",
    "k=before any section\r\n[S]\r\nk2=v\r\n",
    "[S]\r\nk=Fen\xEAtre \xA0\r\nk2=\xA0\r\n",
    "\xEF\xBB\xBF[S]\r\nk=Schlie\303\237en\r\n",
    std::string("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\xE9\0\r\0\n\0", 22),
    std::string("\xFE\xFF\0[\0S\0]\0\r\0\n\0k\0=\0\xE9", 18),
    "[S]",
};

const char* const kSections[] = {"S", "s", "T", "U", "spaced", " spaced ", "S] trailing", ""};
const char* const kKeys[] = {"k",  "K",      "k2", "k3", "q1",    "q2",
                             "q3", "q4",     "q5", "q6", "k = a", "key with spaces",
                             ";k", "missing"};

// What the program read from the file before: the profile functions, with a
// buffer of 1024 characters.
std::string ProfileRead(const std::string& section, const std::string& key, const std::string& path)
{
    char value[LanguageFile::kMaxValueLength + 1] = {};
    GetPrivateProfileStringA(LanguageFile::SectionName(section).c_str(),
                             LanguageFile::TrimKey(key).c_str(), "", value, sizeof(value),
                             path.c_str());
    value[LanguageFile::kMaxValueLength] = '\0';
    return value;
}

class LanguageFileTest : public LanguageFolderTest {
protected:
    void ExpectSameReads(LanguageFile& file, const std::string& name, const std::string& label)
    {
        for (const char* section : kSections)
            for (const char* key : kKeys)
                EXPECT_EQ(ProfileRead(section, key, folder.File(name)), file.Read(section, key))
                    << label << " [" << section << "] " << key;
    }
};

} // namespace

// One file, rewritten with each awkward content in turn while it is open:
// every change is noticed.
TEST_F(LanguageFileTest, ReadsWhatTheProfileFunctionsRead)
{
    LanguageFile file;
    file.Open("t");
    for (size_t i = 0; i < sizeof(kAwkwardFiles) / sizeof(kAwkwardFiles[0]); ++i) {
        ASSERT_TRUE(folder.Write("t.lng", kAwkwardFiles[i]));
        file.Open("t");
        ExpectSameReads(file, "t.lng", "file " + std::to_string(i));
    }
    DeleteFileA(folder.File("t.lng").c_str());
    file.Open("t");
    ExpectSameReads(file, "t.lng", "missing file");
}

// The same writes by the profile functions and by the language file: both
// files then read the same, and the language file kept every other line.
TEST_F(LanguageFileTest, WritesWhatTheProfileFunctionsWrite)
{
    const char* const writes[][3] = {
        // section, key, value
        {"S", "k", "changed"},         {"s", "K", "changed again"}, {"S", "new", "added"},
        {"New", "k", "  new section"}, {"T", "k2", "\"quoted\""},   {"", "k", "common"},
    };
    for (size_t i = 0; i < sizeof(kAwkwardFiles) / sizeof(kAwkwardFiles[0]); ++i) {
        const std::string label = "file " + std::to_string(i);
        ASSERT_TRUE(folder.Write("theirs.lng", kAwkwardFiles[i]));
        ASSERT_TRUE(folder.Write("ours.lng", kAwkwardFiles[i]));
        LanguageFile ours;
        ours.Open("ours");
        for (const auto& write : writes) {
            WritePrivateProfileStringA(LanguageFile::SectionName(write[0]).c_str(), write[1],
                                       write[2], folder.File("theirs.lng").c_str());
            EXPECT_TRUE(ours.Write(write[0], write[1], write[2])) << label;
        }
        EXPECT_TRUE(ours.Flush()) << label;
        for (const char* section : {"S", "T", "New", "Common"})
            for (const char* key : {"k", "k2", "new"})
                EXPECT_EQ(ProfileRead(section, key, folder.File("theirs.lng")),
                          ProfileRead(section, key, folder.File("ours.lng")))
                    << label << " [" << section << "] " << key;
        ExpectSameReads(ours, "ours.lng", label);
    }
    // Lines that no write touched keep their bytes.
    ASSERT_TRUE(folder.Write("ours.lng", kAwkwardFiles[1]));
    LanguageFile again;
    again.Open("ours");
    for (const auto& write : writes)
        again.Write(write[0], write[1], write[2]);
    EXPECT_TRUE(again.Flush());
    EXPECT_EQ("; comment\r\n[S]\r\n;k=commented out\r\nk=changed again\r\nnew=added\r\n"
              "[New]\r\nk=new section\r\n[T]\r\nk2=\"quoted\"\r\n[Common]\r\nk=common\r\n",
              folder.Read("ours.lng"));
    // Also in UTF-16, where a line's break is two bytes.
    const std::string wide("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0v\0\r\0\n\0", 22);
    ASSERT_TRUE(folder.Write("wide.lng", wide));
    again.Open("wide");
    EXPECT_TRUE(again.Write("S", "n", "w") && again.Flush());
    EXPECT_EQ(wide + std::string("n\0=\0w\0\r\0\n\0", 10), folder.Read("wide.lng"));
}

// Changes wait in memory for Flush; a file changed on disk meanwhile is read
// again first, so that both changes are kept.
TEST_F(LanguageFileTest, FlushKeepsWhatSomeoneElseWroteMeanwhile)
{
    ASSERT_TRUE(folder.Write("t.lng", "[S]\r\nk=v\r\n"));
    LanguageFile file;
    file.Open("t");
    EXPECT_TRUE(file.Write("S", "new", "mine"));
    EXPECT_EQ("mine", file.Read("S", "new"));
    ASSERT_TRUE(folder.Write("t.lng", "[S]\r\nk=theirs\r\n"));
    EXPECT_TRUE(file.Flush());
    EXPECT_EQ("[S]\r\nk=theirs\r\nnew=mine\r\n", folder.Read("t.lng"));
}
