#include "ProgramFolder.h"

#include <windows.h>

#include <string>

#include "lang/ModulePath.h"

namespace snap {

namespace {

// The folder and the path override, undone when the process ends.
class ScratchFolder {
public:
    bool Start()
    {
        if (!path_.empty())
            return true;
        char base[MAX_PATH] = {};
        const DWORD length = GetTempPathA(MAX_PATH, base);
        if (length == 0 || length >= MAX_PATH)
            return false;
        std::string path =
            std::string(base) + "velindra-snap-" + std::to_string(GetCurrentProcessId());
        if (!CreateDirectoryA(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
        path_ = path;
        ModulePath::OverrideModuleFileName((path_ + "\\velindra.exe").c_str());
        return true;
    }
    ~ScratchFolder()
    {
        if (path_.empty())
            return;
        ModulePath::ResetModuleFileName();
        RemoveFiles();
        RemoveDirectoryA(path_.c_str());
    }

private:
    void RemoveFiles() const
    {
        WIN32_FIND_DATAA found{};
        HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((path_ + "\\" + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }

    std::string path_;
};

ScratchFolder g_folder;

} // namespace

bool UseScratchProgramFolder()
{
    return g_folder.Start();
}

} // namespace snap
