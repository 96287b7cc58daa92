#include "lang/LanguageFile.h"

#include "framework/Handle.h"
#include "framework/TextCodec.h"
#include "lang/LanguageName.h"
#include "lang/LongPath.h"
#include "lang/ModulePath.h"

namespace {

const char kKeyTrimSet[] = ":;., \t\r\n";
const char kUtf8Mark[] = "\xEF\xBB\xBF";

// The whole file; false when it cannot be read or is larger than `limit`
// (a missing file is empty).
bool ReadWholeFile(const std::wstring& path, ULONGLONG limit, std::string& bytes)
{
    bytes.clear();
    fw::KernelHandle file(CreateFileW(FileSystemPath(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || static_cast<ULONGLONG>(size.QuadPart) > limit)
        return false;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD done = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.Get(), &bytes[0], static_cast<DWORD>(bytes.size()), &done, nullptr) ||
         done != bytes.size()))
        return false;
    return true;
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes)
{
    fw::KernelHandle file(CreateFileW(FileSystemPath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return false;
    DWORD done = 0;
    if (!bytes.empty() &&
        (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) ||
         done != bytes.size()))
        return false;
    return SetEndOfFile(file.Get()) != FALSE;
}

std::wstring LanguageFilePath(const std::wstring& programFile, const CString& languageName)
{
    std::wstring name;
    if (!IsPlainLanguageName(languageName) || !fw::WidenUtf8(TrimLanguageName(languageName), name))
        return std::wstring();
    if (!IsFullPath(programFile)) // never a file of the current folder
        return std::wstring();
    ModulePath path(programFile);
    path.SetFileName(name);
    path.SetExtension(L".lng");
    return path.MakePath();
}

} // namespace

bool LanguageFile::Stamp::operator==(const Stamp& other) const
{
    return exists == other.exists && size == other.size &&
           CompareFileTime(&written, &other.written) == 0;
}

void LanguageFile::Open(const std::wstring& programFile, const CString& languageName)
{
    const std::wstring path = LanguageFilePath(programFile, languageName);
    if (path != path_) {
        path_ = path;
        loaded_ = false;
        stamp_ = Stamp();
        text_ = IniText();
        std::vector<Change>().swap(changes_);
    }
    checked_ = false;
}

LanguageFile::Stamp LanguageFile::CurrentStamp() const
{
    Stamp stamp;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (path_.empty() ||
        !GetFileAttributesExW(FileSystemPath(path_).c_str(), GetFileExInfoStandard, &data))
        return stamp;
    stamp.exists = true;
    stamp.written = data.ftLastWriteTime;
    stamp.size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return stamp;
}

// Reads the file again, with the changes not yet written on top. A file that
// exists but cannot be read (another program holds it, it is too large)
// reads as empty and is not loaded: it is read again at the next look.
void LanguageFile::Load()
{
    stamp_ = CurrentStamp();
    std::string bytes;
    bool read = true;
    if (stamp_.exists) {
        read = stamp_.size <= kMaxFileSize && ReadWholeFile(path_, kMaxFileSize, bytes);
        if (!read)
            bytes.clear();
    }
    // A new (or empty) file becomes UTF-8 with a byte-order mark, which holds
    // any text in any system's code page.
    text_ = IniText(read && bytes.empty() ? std::string(kUtf8Mark) : bytes);
    for (const Change& change : changes_)
        text_.Write(change.section, change.key, change.value);
    loaded_ = read;
}

void LanguageFile::Refresh()
{
    if (checked_)
        return;
    checked_ = true;
    if (!loaded_ || !(CurrentStamp() == stamp_))
        Load();
}

CString LanguageFile::SectionName(const CString& section)
{
    return section.empty() ? CString("Common") : section;
}

CString LanguageFile::TrimKey(const CString& key)
{
    const size_t first = key.find_first_not_of(kKeyTrimSet);
    if (first == CString::npos)
        return CString();
    const size_t last = key.find_last_not_of(kKeyTrimSet);
    return key.substr(first, last - first + 1);
}

CString LanguageFile::Read(const CString& section, const CString& key)
{
    const CString trimmedKey = TrimKey(key);
    if (path_.empty() || trimmedKey.empty())
        return CString();
    Refresh();
    CString value;
    text_.Read(SectionName(section), trimmedKey, kMaxValueLength, value);
    return value;
}

bool LanguageFile::Write(const CString& section, const CString& key, const CString& value)
{
    const CString trimmedKey = TrimKey(key);
    if (path_.empty() || trimmedKey.empty() || value.find_first_of("\r\n") != CString::npos)
        return false;
    Refresh();
    const CString sectionName = SectionName(section);
    if (text_.Holds(sectionName, trimmedKey, value))
        return true;
    if (!text_.Write(sectionName, trimmedKey, value))
        return false;
    changes_.push_back({sectionName, trimmedKey, value});
    return true;
}

bool LanguageFile::Flush()
{
    if (changes_.empty())
        return true;
    // Read again when someone else changed it meanwhile, or when it could not
    // be read: a file is only ever written over what was read from it.
    if (!loaded_ || !(CurrentStamp() == stamp_))
        Load();
    const bool written = loaded_ && WriteWholeFile(path_, text_.Bytes());
    changes_.clear();
    if (written) {
        stamp_ = CurrentStamp();
    } else { // what the file holds is read again
        loaded_ = false;
        checked_ = false;
    }
    return written;
}
