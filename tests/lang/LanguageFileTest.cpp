// The language file answers from memory, as UTF-8, exactly what the
// platform's profile functions answer for the same file; its writes leave a
// file that they read as they read their own writes, in the file's encoding.
// Beyond them, it reads UTF-8 without a byte-order mark and never refuses a
// value for its characters.
#include "lang/LanguageFile.h"

#include <windows.h>

#include <string>
#include <vector>

#include "framework/Handle.h"
#include "framework/TextCodec.h"
#include "lang/AnsiCodePage.h"
#include "lang/NameCase.h"
#include "tests/lang/LanguageFolder.h"
#include "tests/support/LanguageText.h"

namespace {

using testing_support::Utf16Bytes;

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
    "[S]\r\nk=Fen\xEAtre \xA0\r\nk2=\xA0\xFF\x81\r\nk3=Zako\xC5\x84-cz \xE9\r\n",
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
    wchar_t value[LanguageFile::kMaxValueLength + 1] = {};
    GetPrivateProfileStringW(fw::Wide(LanguageFile::SectionName(section)).c_str(),
                             fw::Wide(LanguageFile::TrimKey(key)).c_str(), L"", value, 1024,
                             fw::Wide(path).c_str());
    value[LanguageFile::kMaxValueLength] = L'\0';
    return fw::Utf8(value);
}

// One text in four encodings and three kinds of line break; "\n" stands for
// the line break.
const char kUnicodeText[] = "[Zakończ]\n"
                            "pl=Zakończ\n"
                            "ru = Выход \n"
                            "ja=終了\n"
                            "Выход=exit\n"
                            "pairs=😀 𠀋\n"
                            "[Έξοδος]\n"
                            "k=\"Ένα\"\n"
                            "ß=sharp s";

// Section, key, value.
const char* const kUnicodeReads[][3] = {
    {"zakończ", "PL", "Zakończ"}, {"ZAKOŃCZ", "ru", "Выход"},   {"Zakończ", "JA", "終了"},
    {"zakończ", "ВЫХОД", "exit"}, {"Zakończ", "pairs", "😀 𠀋"}, {"ΈΞΟΔΟς", "k", "Ένα"},
    {"έξοδος", "ß", "sharp s"},   {"ΈΞΟΔΟΣ", "k", ""},          {"Έξοδος", "SS", ""},
    {"Zakonczy", "pl", ""},
};

// Files, each with the one read it is about.
struct AwkwardRead {
    std::string file;
    const char *section, *key;
    std::string value;
};

const std::string kA1021(1021, 'a');

const AwkwardRead kAwkwardUnicodeFiles[] = {
    {"\xEF\xBB\xBF", "S", "k", ""},
    {"\xFF\xFE", "S", "k", ""},
    {"\xFE\xFF", "S", "k", ""},
    {"\xEF\xBB\xBF[S]\r\nk=a\377b\xE2\x82\r\n", "S", "k", "a\uFFFDb\uFFFD"},
    {"\xEF\xBB\xBF[S\xC0]\nk=\xF0\x9F\x98\n", "S\uFFFD", "k", "\uFFFD"},
    {"\xEF\xBB\xBF[S]\nk=\xED\xA0\x80\xF4\x90\x80\x80", "S", "k",
     "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
    {Utf16Bytes(L"\xFEFF[S]\nk=v") + "x", "S", "k", "v"},
    {Utf16Bytes(L"\xFEFF[S]\nk=v", true) + "x", "S", "k", "v"},
    {Utf16Bytes(L"\xFEFF[S]\rk=a\xD800-\xDC00\r"), "S", "k", "a\uFFFD-\uFFFD"},
    {Utf16Bytes(L"\xFEFF[S]\r\nk=\xDE00\xD83D\r\n", true), "S", "k", "\uFFFD\uFFFD"},
    // Not all UTF-8: the ANSI code page (Windows-1252 here).
    {"[S]\r\nk=Zako\xC5\x84-cz \xE9\r\n", "S", "k", "ZakoÅ„-cz é"},
    // At most 1023 UTF-16 code units, never half a pair.
    {"[S]\r\nk=" + kA1021 + "😀\r\n", "S", "k", kA1021 + "😀"},
    {"[S]\r\nk=a" + kA1021 + "😀\r\n", "S", "k", "a" + kA1021},
    {"[S]\r\nk=\"" + kA1021 + "😀\"\r\n", "S", "k", kA1021},
};

class LanguageFileTest : public LanguageFolderTest {
protected:
    void ExpectSameReads(LanguageFile& file, const std::string& name, const std::string& label)
    {
        for (const char* section : kSections)
            for (const char* key : kKeys)
                EXPECT_EQ(ProfileRead(section, key, folder.File(name)), file.Read(section, key))
                    << label << " [" << section << "] " << key;
    }

    // The value read from a new file of the bytes.
    std::string ReadOnce(const std::string& name, const std::string& bytes, const char* section,
                         const char* key)
    {
        EXPECT_TRUE(folder.Write(name + ".lng", bytes));
        LanguageFile file;
        file.Open(program, name);
        return file.Read(section, key);
    }
};

} // namespace

TEST_F(LanguageFileTest, ReadsUnicodeInEveryEncodingAndLineBreakAndAwkwardFiles)
{
    int n = 0;
    for (const char* lineBreak : {"\r\n", "\n", "\r"}) {
        std::string text = kUnicodeText;
        for (size_t at = text.find('\n'); at != std::string::npos;
             at = text.find('\n', at + std::char_traits<char>::length(lineBreak)))
            text.replace(at, 1, lineBreak);
        const std::wstring wide = L"\xFEFF" + fw::Wide(text);
        for (const std::string& bytes :
             {text, "\xEF\xBB\xBF" + text, Utf16Bytes(wide), Utf16Bytes(wide, true)}) {
            const std::string name = "u" + std::to_string(n++);
            for (const auto& [section, key, value] : kUnicodeReads)
                EXPECT_EQ(value, ReadOnce(name, bytes, section, key))
                    << name << " [" << section << "] " << key;
        }
    }
    for (const AwkwardRead& row : kAwkwardUnicodeFiles)
        EXPECT_EQ(row.value, ReadOnce("a" + std::to_string(n++), row.file, row.section, row.key))
            << "file " << n - 1;
}

// Each awkward file read while open (every change is noticed) as the
// profile functions read it; then the same writes by the profile functions
// and by the language file: both files then read the same, and the language
// file kept every other line.
TEST_F(LanguageFileTest, ReadsAndWritesWhatTheProfileFunctionsReadAndWrite)
{
    const char* const writes[][3] = {
        // section, key, value
        {"S", "k", "changed"},         {"s", "K", "changed again"}, {"S", "new", "added"},
        {"New", "k", "  new section"}, {"T", "k2", "\"quoted\""},   {"", "k", "common"},
    };
    LanguageFile ours;
    ours.Open(program, "ours");
    for (size_t i = 0; i < sizeof(kAwkwardFiles) / sizeof(kAwkwardFiles[0]); ++i) {
        const std::string label = "file " + std::to_string(i);
        ASSERT_TRUE(folder.Write("theirs.lng", kAwkwardFiles[i]));
        ASSERT_TRUE(folder.Write("ours.lng", kAwkwardFiles[i]));
        ours.Open(program, "ours");
        ExpectSameReads(ours, "ours.lng", label + " as read");
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
        if (i == 1) { // lines that no write touched keep their bytes
            EXPECT_EQ("; comment\r\n[S]\r\n;k=commented out\r\nk=changed again\r\nnew=added\r\n"
                      "[New]\r\nk=new section\r\n[T]\r\nk2=\"quoted\"\r\n[Common]\r\nk=common\r\n",
                      folder.Read("ours.lng"));
        }
    }
    DeleteFileA(folder.File("ours.lng").c_str());
    ours.Open(program, "ours");
    ExpectSameReads(ours, "ours.lng", "missing file");
}

// Each write goes into the file in the file's own encoding, or not at all.
TEST_F(LanguageFileTest, WritesInTheEncodingOfTheFile)
{
    const struct {
        std::string before;
        const char *section, *key, *value;
        std::string after; // empty: refused, the file as it was
    } writes[] = {
        {"[S]\r\nk=v\r\n", "S", "k", "Fenêtre", "[S]\r\nk=Fen\xEAtre\r\n"},
        {"[S]\r\nk=v\r\n", "S", "k", "Zakończ", ""},
        // A change that would make an ANSI file read as UTF-8.
        {"[S]\r\nk=\xE9\r\nj=\xC3\xA9\r\n", "S", "k", "x", ""},
        {"[S]\r\nk=Выход\r\n", "S", "new", "Zakończ 😀", "[S]\r\nk=Выход\r\nnew=Zakończ 😀\r\n"},
        {"\xEF\xBB\xBF[S]\r\nk=v\r\n", "s", "K", "終了", "\xEF\xBB\xBF[S]\r\nk=終了\r\n"},
        {Utf16Bytes(L"\xFEFF[S]\r\nk=v\r\n"), "T", "k", "Выход",
         Utf16Bytes(L"\xFEFF[S]\r\nk=v\r\n[T]\r\nk=Выход\r\n")},
        {Utf16Bytes(L"\xFEFF[S]\nk=v", true), "S", "k", "😀", Utf16Bytes(L"\xFEFF[S]\nk=😀", true)},
        {"\xFF\xFE", "S", "k", "v", Utf16Bytes(L"\xFEFF[S]\r\nk=v\r\n")},
        // A key's plural form goes beside the key.
        {"[S]\r\nk=v\r\nj=w\r\n", "S", "K.one", "x", "[S]\r\nk=v\r\nK.one=x\r\nj=w\r\n"},
        {"[S]\r\nk.few=v\r\nj=w\r\n", "S", "k.one", "x", "[S]\r\nk.few=v\r\nk.one=x\r\nj=w\r\n"},
    };
    int n = 0;
    for (const auto& write : writes) {
        const std::string name = "w" + std::to_string(n++);
        ASSERT_TRUE(folder.Write(name + ".lng", write.before));
        LanguageFile file;
        file.Open(program, name);
        EXPECT_EQ(!write.after.empty(), file.Write(write.section, write.key, write.value)) << name;
        EXPECT_TRUE(file.Flush());
        EXPECT_EQ(write.after.empty() ? write.before : write.after, folder.Read(name + ".lng"))
            << name;
    }
}

// A new file is UTF-8 with a byte-order mark, so it holds any text (an ANSI
// file refuses Polish on a Western system, an en dash on a Japanese one). A
// file that could not be read once (another program held it) is read again
// before it is written: it is never written over with the changes alone, and
// changes it could not take are dropped.
// Changes wait in memory for Flush; a file changed on disk meanwhile is read
// again first, so that both changes are kept.
TEST_F(LanguageFileTest, ANewFileIsUtf8AndAFileIsWrittenOnlyOverWhatWasRead)
{
    ASSERT_TRUE(folder.Write("t.lng", "[S]\r\nk=v\r\n"));
    LanguageFile file;
    file.Open(program, "t");
    EXPECT_TRUE(file.Write("S", "new", "mine") && file.Read("S", "new") == "mine");
    ASSERT_TRUE(folder.Write("t.lng", "[S]\r\nk=theirs\r\n"));
    EXPECT_TRUE(file.Flush());
    EXPECT_EQ("[S]\r\nk=theirs\r\nnew=mine\r\n", folder.Read("t.lng"));

    file.Open(program, "new");
    EXPECT_TRUE(file.Write("S", "k", "Zakończ") && file.Flush());
    EXPECT_EQ(folder.Read("new.lng"), "\xEF\xBB\xBF[S]\r\nk=Zakończ\r\n");

    ASSERT_TRUE(folder.Write("held.lng", "[S]\r\na=1\r\nb=2\r\n[T]\r\nc=3\r\n"));
    file.Open(program, "held");
    {
        fw::KernelHandle holder(CreateFileA(folder.File("held.lng").c_str(), GENERIC_READ, 0,
                                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                            nullptr));
        ASSERT_TRUE(holder.IsValid());
        EXPECT_EQ(file.Read("S", "a"), "");
        EXPECT_FALSE(file.Write("S", "y", "8") && file.Flush()); // and the change is dropped
    }
    EXPECT_EQ(file.Read("S", "y"), "");
    EXPECT_TRUE(file.Write("S", "x", "9") && file.Flush());
    EXPECT_EQ(folder.Read("held.lng"), "[S]\r\na=1\r\nb=2\r\nx=9\r\n[T]\r\nc=3\r\n");
}

// A file one byte over the cap is neither read nor written; one at the cap
// is both.
TEST_F(LanguageFileTest, AFileOverTheCapReadsAsMissing)
{
    for (ULONGLONG size : {LanguageFile::kMaxFileSize, LanguageFile::kMaxFileSize + 1}) {
        const bool over = size > LanguageFile::kMaxFileSize;
        ASSERT_TRUE(folder.Write("big.lng", "[S]\r\nk=v\r\n"));
        {
            fw::KernelHandle file(CreateFileA(folder.File("big.lng").c_str(), GENERIC_WRITE, 0,
                                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                              nullptr));
            LARGE_INTEGER end{};
            end.QuadPart = static_cast<LONGLONG>(size);
            ASSERT_TRUE(SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN) &&
                        SetEndOfFile(file.Get()));
        }
        LanguageFile file;
        file.Open(program, "big");
        EXPECT_EQ(over ? "" : "v", file.Read("S", "k")) << size;
        EXPECT_TRUE(file.Write("S", "k", "w"));
        EXPECT_EQ(!over, file.Flush()) << size;
        const std::string bytes = folder.Read("big.lng");
        EXPECT_EQ(size, bytes.size());
        EXPECT_EQ(over ? "[S]\r\nk=v" : "[S]\r\nk=w", bytes.substr(0, 8)) << size;
    }
}

// The plain table of Windows-1252 converts as the system converts code page
// 1252, both ways.
TEST(Windows1252, ConvertsAsTheSystem)
{
    for (int byte = 0; byte < 256; ++byte) {
        const char bytes[1] = {static_cast<char>(byte)};
        wchar_t unit = 0;
        MultiByteToWideChar(1252, 0, bytes, 1, &unit, 1);
        EXPECT_EQ(std::u16string(1, static_cast<char16_t>(unit)),
                  Windows1252().Decode(std::string(bytes, 1)))
            << byte;
    }
    for (wchar_t unit = 1; unit != 0; ++unit) {
        char byte = 0;
        BOOL usedDefault = FALSE;
        const bool system = WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, &unit, 1, &byte, 1,
                                                nullptr, &usedDefault) == 1 &&
                            !usedDefault;
        std::string plain;
        EXPECT_EQ(system,
                  Windows1252().Encode(std::u16string(1, static_cast<char16_t>(unit)), plain))
            << std::hex << unit;
        EXPECT_EQ(system ? std::string(1, byte) : std::string(), plain) << std::hex << unit;
    }
}

// Names match without regard to case as the system's ordinal comparison
// matches them, in the blocks whose letters the names fold.
TEST(NameCase, MatchesAsTheSystemIgnoresCase)
{
    auto systemEqual = [](wchar_t a, wchar_t b) {
        return CompareStringOrdinal(&a, 1, &b, 1, TRUE) == CSTR_EQUAL;
    };
    for (wchar_t unit = 1; unit < 0x530; unit = unit == 0x17F ? 0x370 : unit + 1) {
        wchar_t upper = unit;
        CharUpperBuffW(&upper, 1);
        EXPECT_EQ(systemEqual(unit, upper),
                  EqualIgnoringCase(std::u16string(1, static_cast<char16_t>(unit)),
                                    std::u16string(1, static_cast<char16_t>(upper))))
            << std::hex << unit;
        EXPECT_TRUE(systemEqual(unit, SimpleUpperCase(static_cast<char16_t>(unit))))
            << std::hex << unit;
    }
}
