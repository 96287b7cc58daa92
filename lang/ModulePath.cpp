#include "lang/ModulePath.h"

#include <windows.h>

namespace {

CString& OverriddenModuleFileName()
{
    static CString path;
    return path;
}

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

} // namespace

ModulePath::ModulePath() : ModulePath(ModuleFileName()) {}

ModulePath::ModulePath(const CString& fullPath)
{
    CString rest = fullPath;
    if (rest.size() >= 2 && rest[1] == ':') {
        drive_ = rest.substr(0, 2);
        rest.erase(0, 2);
    }
    const size_t lastSeparator = rest.find_last_of("\\/");
    if (lastSeparator != CString::npos) {
        folder_ = rest.substr(0, lastSeparator + 1);
        rest.erase(0, lastSeparator + 1);
    }
    const size_t lastPoint = rest.rfind('.');
    if (lastPoint != CString::npos) {
        extension_ = rest.substr(lastPoint);
        rest.erase(lastPoint);
    }
    fileName_ = rest;
}

CString ModulePath::MakePath() const
{
    CString path = drive_ + folder_;
    if (!folder_.empty() && !IsSeparator(folder_.back()))
        path += '\\';
    path += fileName_;
    if (!extension_.empty() && extension_.front() != '.')
        path += '.';
    return path + extension_;
}

CString ModulePath::ModuleFileName()
{
    if (!OverriddenModuleFileName().empty())
        return OverriddenModuleFileName();
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return CString();
    return CString(buffer, length);
}

void ModulePath::OverrideModuleFileName(const CString& fullPath)
{
    OverriddenModuleFileName() = fullPath;
}

void ModulePath::ResetModuleFileName()
{
    OverriddenModuleFileName().clear();
}
