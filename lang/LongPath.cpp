#include "lang/LongPath.h"

#include <windows.h>

#include <algorithm>

namespace {

// The longest folder path the plain functions take: MAX_PATH less room for
// an 8.3 file name (what CreateDirectory allows).
constexpr size_t kPlainPathLimit = MAX_PATH - 12;

bool IsSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

bool HasPrefix(const std::wstring& path)
{
    return path.compare(0, 4, L"\\\\?\\") == 0;
}

} // namespace

bool IsFullPath(const std::wstring& path)
{
    const bool drive = path.size() > 2 && path[1] == L':' && IsSeparator(path[2]);
    const bool unc = path.size() > 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
    return drive || unc;
}

std::wstring FileSystemPath(const std::wstring& path)
{
    if (path.size() < kPlainPathLimit || !IsFullPath(path) || HasPrefix(path))
        return path;
    std::wstring backslashed = path;
    std::replace(backslashed.begin(), backslashed.end(), L'/', L'\\');
    if (backslashed[1] == L':')
        return L"\\\\?\\" + backslashed;
    return L"\\\\?\\UNC\\" + backslashed.substr(2);
}
