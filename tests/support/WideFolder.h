#pragma once
// A temporary folder whose path may hold any characters and be longer than
// MAX_PATH, for the tests of paths beside the executable. Removed with
// everything in it on destruction.
#include <windows.h>

#include <algorithm>
#include <string>

#include "tests/support/Sandbox.h"

namespace testing_support {

// A folder name in three scripts.
inline std::wstring ScriptsFolderName()
{
    return L"\u6F22\u5B57 \u0442\u0435\u0441\u0442\u2713 \U0001F389";
}

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

    // The extended-length form, which every file function takes at any length.
    static std::wstring Long(const std::wstring& path) { return L"\\\\?\\" + path; }

private:
    std::wstring root_;
    std::wstring path_;
};

} // namespace testing_support
