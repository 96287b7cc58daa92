#include "lang/ModulePath.h"

#include <windows.h>

#include <vector>

namespace {

// The longest path the system knows (the extended-length limit).
constexpr DWORD kLongestPath = 32768;

} // namespace

ModulePath::ModulePath(const std::wstring& fullPath)
{
    std::wstring rest = fullPath;
    if (rest.size() >= 2 && rest[1] == L':') {
        drive_ = rest.substr(0, 2);
        rest.erase(0, 2);
    }
    const size_t lastSeparator = rest.find_last_of(L"\\/");
    if (lastSeparator != std::wstring::npos) {
        folder_ = rest.substr(0, lastSeparator + 1);
        rest.erase(0, lastSeparator + 1);
    }
    const size_t lastPoint = rest.rfind(L'.');
    if (lastPoint != std::wstring::npos) {
        extension_ = rest.substr(lastPoint);
        rest.erase(lastPoint);
    }
    fileName_ = rest;
}

std::wstring ModulePath::MakePath() const
{
    std::wstring path = drive_ + folder_ + fileName_;
    if (!extension_.empty() && extension_.front() != L'.')
        path += L'.';
    return path + extension_;
}

// The buffer grows until the whole path fits: the system cuts a path that
// does not fit and answers the buffer's size.
std::wstring ModulePath::ModuleFileName()
{
    for (DWORD size = MAX_PATH; size <= kLongestPath; size *= 2) {
        std::vector<wchar_t> buffer(size, L'\0');
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
        if (length == 0)
            return std::wstring();
        if (length < size)
            return std::wstring(buffer.data(), length);
    }
    return std::wstring();
}
