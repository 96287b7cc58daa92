#include "ProgramFolder.h"

#include <windows.h>

#include <string>

namespace snap {

namespace {

// The folder, removed when the process ends.
class ScratchFolder {
public:
    bool Start()
    {
        if (!path_.empty())
            return true;
        wchar_t base[MAX_PATH] = {};
        const DWORD length = GetTempPathW(MAX_PATH, base);
        if (length == 0 || length >= MAX_PATH)
            return false;
        std::wstring path =
            std::wstring(base) + L"velindra-snap-" + std::to_wstring(GetCurrentProcessId());
        if (!CreateDirectoryW(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
        path_ = path;
        return true;
    }
    ~ScratchFolder()
    {
        if (path_.empty())
            return;
        RemoveFiles();
        RemoveDirectoryW(path_.c_str());
    }

    const std::wstring& Path() const { return path_; }

private:
    void RemoveFiles() const
    {
        WIN32_FIND_DATAW found{};
        HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW((path_ + L"\\" + found.cFileName).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }

    std::wstring path_;
};

ScratchFolder g_folder;

} // namespace

bool UseScratchProgramFolder()
{
    return g_folder.Start();
}

std::wstring ScratchProgramFile()
{
    if (!g_folder.Start())
        return std::wstring();
    return g_folder.Path() + L"\\velindra.exe";
}

} // namespace snap
