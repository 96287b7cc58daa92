#pragma once
// Paths for the wide file functions at any length.
#include <string>

// "C:\..." or "\\server\..." (also "\\?\..."): a path that no current folder
// or search order can redirect.
bool IsFullPath(const std::wstring& path);

// The path as the file functions take it whatever its length: a full path
// that MAX_PATH might not hold gets the extended-length prefix ("\\?\C:\...",
// "\\?\UNC\server\..."), with its slashes made backslashes. Shorter paths,
// relative ones and prefixed ones are returned as they are.
std::wstring FileSystemPath(const std::wstring& path);
