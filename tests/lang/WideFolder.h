#pragma once
// A temporary folder whose path may hold any characters and be longer than
// MAX_PATH, for the tests of paths beside the executable. Removed with
// everything in it on destruction.
#include <windows.h>

#include <algorithm>
#include <string>

namespace testing_support {

// Folder names in three scripts, and one that makes a path of 300 characters.
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
        root_ = std::wstring(base) + L"velindra-wide-" + std::to_wstring(GetCurrentProcessId()) +
                L"-" + std::to_wstring(++counter);
        RemoveTree(root_);
        Make(root_);
        path_ = root_;
        while (path_.size() + 1 + name.size() < length)
            Make(path_ += L"\\" + std::wstring(std::min<size_t>(100, length - path_.size()), L'd'));
        Make(path_ += L"\\" + name);
    }
    ~WideFolder() { RemoveTree(root_); }
    WideFolder(const WideFolder&) = delete;
    WideFolder& operator=(const WideFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

    bool Write(const std::wstring& name, const std::string& bytes) const
    {
        HANDLE file = CreateFileW(Long(File(name)).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        DWORD done = 0;
        const BOOL ok =
            WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
        CloseHandle(file);
        return ok && done == bytes.size();
    }
    std::string Read(const std::wstring& name) const
    {
        HANDLE file = CreateFileW(Long(File(name)).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return std::string();
        std::string bytes(GetFileSize(file, nullptr), '\0');
        DWORD done = 0;
        if (!bytes.empty())
            ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &done, nullptr);
        CloseHandle(file);
        return bytes.substr(0, done);
    }
    bool Exists(const std::wstring& name) const
    {
        return GetFileAttributesW(Long(File(name)).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    // The extended-length form, which every file function takes at any length.
    static std::wstring Long(const std::wstring& path) { return L"\\\\?\\" + path; }

private:
    static void Make(const std::wstring& path) { CreateDirectoryW(Long(path).c_str(), nullptr); }
    static void RemoveTree(const std::wstring& folder)
    {
        WIN32_FIND_DATAW entry;
        HANDLE find = FindFirstFileW(Long(folder + L"\\*").c_str(), &entry);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = entry.cFileName;
                if (name == L"." || name == L"..")
                    continue;
                const std::wstring full = folder + L"\\" + name;
                if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(full);
                else
                    DeleteFileW(Long(full).c_str());
            } while (FindNextFileW(find, &entry));
            FindClose(find);
        }
        RemoveDirectoryW(Long(folder).c_str());
    }

    std::wstring root_;
    std::wstring path_;
};

} // namespace testing_support
