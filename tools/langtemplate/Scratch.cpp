#include "Scratch.h"

namespace langtemplate {

namespace {

constexpr char kScratchParent[] = "Software\\VelindraTemplateScratch";

} // namespace

bool Scratch::Start()
{
    const std::string process = std::to_string(::GetCurrentProcessId());
    keyPath_ = std::string(kScratchParent) + "\\" + process;
    key_ = RegKey::Create(HKEY_CURRENT_USER, keyPath_.c_str(), KEY_ALL_ACCESS);
    if (!key_ || ::RegOverridePredefKey(HKEY_CURRENT_USER, key_.Get()) != ERROR_SUCCESS)
        return false;
    wchar_t temp[MAX_PATH] = {};
    const DWORD length = ::GetTempPathW(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH)
        return false;
    folder_ =
        std::wstring(temp) + L"velindra-template-" + std::wstring(process.begin(), process.end());
    if (!::CreateDirectoryW(folder_.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) {
        folder_.clear();
        return false;
    }
    RemoveFolder(); // a folder left by an earlier process of the same id is emptied
    ::CreateDirectoryW(folder_.c_str(), nullptr);
    return true;
}

Scratch::~Scratch()
{
    if (!folder_.empty())
        RemoveFolder();
    if (key_) {
        ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        key_.Close();
        ::RegDeleteTreeA(HKEY_CURRENT_USER, keyPath_.c_str());
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kScratchParent); // only when empty
    }
}

void Scratch::RemoveFolder() const
{
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW(File(L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ::DeleteFileW(File(found.cFileName).c_str());
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryW(folder_.c_str());
}

} // namespace langtemplate
