#pragma once
// Isolation for test processes: every test process runs with HKEY_CURRENT_USER
// and HKEY_LOCAL_MACHINE redirected to keys of its own, emptied before every
// test, and may ask for a temporary folder of its own.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/Settings.h"

namespace testing_support {

// Empties the process's registry sandbox (both redirected roots).
void ResetRegistrySandbox();

// Files and folders by wide paths of any length: made, written, read (empty
// when missing) and removed with everything in them.
bool MakeFolder(const std::wstring& path);
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);
std::string ReadWholeFile(const std::wstring& path);
void RemoveFolder(const std::wstring& path);
// A path in the ANSI code page and back; the extended-length form of a full
// path, which every file function takes at any length.
std::wstring Wide(const std::string& path);
std::string Narrow(const std::wstring& path);
std::wstring Long(const std::wstring& path);

// A folder name in three scripts.
inline std::wstring ScriptsFolderName()
{
    return L"\u6F22\u5B57 \u0442\u0435\u0441\u0442\u2713 \U0001F389";
}

// A temporary folder whose path may hold any characters and be longer than
// MAX_PATH, for the tests of paths beside the executable. Removed with
// everything in it on destruction.
class WideFolder {
public:
    // A folder named `name` inside a fresh temporary folder, nested in
    // further folders until its path is at least `length` characters long.
    explicit WideFolder(const std::wstring& name, size_t length = 0)
    {
        wchar_t base[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH, base);
        static unsigned counter = 0;
        path_ = root_ = base + (L"velindra-wide-" + std::to_wstring(GetCurrentProcessId())) + L"-" +
                        std::to_wstring(++counter);
        RemoveFolder(root_);
        MakeFolder(root_);
        while (path_.size() + 1 + name.size() < length)
            MakeFolder(path_ +=
                       L"\\" + std::wstring(std::min<size_t>(100, length - path_.size()), L'd'));
        MakeFolder(path_ += L"\\" + name);
    }
    ~WideFolder() { RemoveFolder(root_); }
    WideFolder(const WideFolder&) = delete;
    WideFolder& operator=(const WideFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

    bool Write(const std::wstring& name, const std::string& bytes) const
    {
        return WriteWholeFile(File(name), bytes);
    }
    std::string Read(const std::wstring& name) const { return ReadWholeFile(File(name)); }
    bool Exists(const std::wstring& name) const
    {
        return GetFileAttributesW(Long(File(name)).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

private:
    std::wstring root_;
    std::wstring path_;
};

// A fresh, empty folder of a plain name, by paths in the ANSI code page.
class TempFolder : public WideFolder {
public:
    TempFolder() : WideFolder(L"folder"), path_(Narrow(WideFolder::Path())) {}

    const std::string& Path() const { return path_; } // ends without a backslash
    using WideFolder::File;
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    bool Write(const std::string& name, const std::string& bytes) const
    {
        return WideFolder::Write(Wide(name), bytes);
    }
    std::string Read(const std::string& name) const { return WideFolder::Read(Wide(name)); }
    bool Exists(const std::string& name) const { return WideFolder::Exists(Wide(name)); }

private:
    std::string path_;
};

// Pumps this thread's messages until the queue is empty and at least the
// given time has passed.
void PumpMessages(DWORD milliseconds = 0);

// The pixels of an area of a window's client area, row by row.
std::vector<COLORREF> ReadWindowPixels(HWND window, const RECT& area);

} // namespace testing_support

// The program's settings store, at its key in the process's sandbox.
inline SettingsStore& TestSettings()
{
    static SettingsStore settings(HKEY_CURRENT_USER, SettingsKeyPath());
    return settings;
}
