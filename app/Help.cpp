#include "app/Help.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "framework/Wnd.h"
#include "lang/LongPath.h"
#include "lang/ModulePath.h"
#include "model/RegKey.h"

namespace {

// The class registration of the HTML Help control.
constexpr char kHtmlHelpClassKey[] =
    "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr DWORD kPathBufferSize = 260;
constexpr WORD kHtmlHelpOrdinal = 15; // HtmlHelpW

// "C:\..." or "\\server\...": a path that no search order can redirect.
bool IsFullPath(const CString& path)
{
    const bool drive = path.size() > 2 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
    const bool unc = path.size() > 2 && path[0] == '\\' && path[1] == '\\';
    return drive || unc;
}

// The default value of the class registration, when it is a full path.
CString RegisteredLibraryPath()
{
    RegKey key = RegKey::Open(HKEY_CLASSES_ROOT, kHtmlHelpClassKey, KEY_READ);
    if (!key)
        return CString();
    char buffer[kPathBufferSize + 1] = {};
    DWORD size = kPathBufferSize;
    DWORD type = REG_NONE;
    if (RegQueryValueExA(key.Get(), "", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return CString();
    buffer[std::min(size, kPathBufferSize)] = '\0';
    CString path(buffer);
    if (type == REG_EXPAND_SZ) {
        char expanded[kPathBufferSize + 1] = {};
        const DWORD length = ExpandEnvironmentStringsA(buffer, expanded, kPathBufferSize);
        path = length > 0 && length <= kPathBufferSize ? CString(expanded) : CString();
    }
    return IsFullPath(path) ? path : CString();
}

// The HTML Help control keeps file paths in MAX_PATH buffers (and fails
// badly on a longer one): a longer path of the help file is given in its
// short form, and not at all when the file system has no short enough form.
std::wstring HelpFilePath(const std::wstring& path)
{
    if (path.size() < MAX_PATH)
        return path;
    const std::wstring full = FileSystemPath(path);
    std::vector<wchar_t> buffer(full.size() + 1, L'\0');
    const DWORD length =
        GetShortPathNameW(full.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0 || length >= buffer.size())
        return std::wstring();
    std::wstring shortPath(buffer.data(), length);
    if (shortPath.compare(0, 8, L"\\\\?\\UNC\\") == 0)
        shortPath = L"\\" + shortPath.substr(7);
    else if (shortPath.compare(0, 4, L"\\\\?\\") == 0)
        shortPath.erase(0, 4);
    return shortPath.size() < MAX_PATH ? shortPath : std::wstring();
}

// hhctrl.ocx of the system folder.
CString SystemLibraryPath()
{
    char folder[MAX_PATH + 1] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return CString();
    return CString(folder, length) + "\\hhctrl.ocx";
}

// Loads a library by its full path; its own dependencies are looked for
// beside it rather than beside the program.
HMODULE LoadByFullPath(const CString& path)
{
    if (!IsFullPath(path))
        return nullptr;
    return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

} // namespace

bool HtmlHelpLibrary::LoadOnce()
{
    if (failed_)
        return false;
    if (module_)
        return true;
    module_ = LoadByFullPath(RegisteredLibraryPath());
    if (!module_)
        module_ = LoadByFullPath(fallback_.empty() ? SystemLibraryPath() : fallback_);
    if (!module_)
        failed_ = true;
    return module_ != nullptr;
}

HWND HtmlHelpLibrary::Call(HWND window, const wchar_t* file, UINT command, DWORD_PTR data)
{
    if (!LoadOnce())
        return nullptr;
    if (!entry_) {
        entry_ = reinterpret_cast<Entry>(
            reinterpret_cast<void*>(GetProcAddress(module_, MAKEINTRESOURCEA(kHtmlHelpOrdinal))));
        if (!entry_) {
            failed_ = true;
            return nullptr;
        }
    }
    return entry_(window, file, command, data);
}

std::wstring HelpTopicAddress(const std::wstring& programFile, const char* topic)
{
    if (!topic || programFile.empty())
        return std::wstring();
    ModulePath path(programFile);
    path.SetExtension(L"chm");
    const std::wstring file = HelpFilePath(path.MakePath());
    if (file.empty())
        return std::wstring();
    return file + L"::/" + std::wstring(topic, topic + std::strlen(topic)) + L".htm";
}

void HtmlHelp::Uninitialize()
{
    if (initialised_ && cookie_ != 0)
        library_.Call(nullptr, nullptr, kHelpUninitialize, cookie_);
    initialised_ = false;
    cookie_ = 0;
}

void HtmlHelp::OpenTopic(const char* topic)
{
    const std::wstring address = HelpTopicAddress(programFile_, topic);
    if (address.empty())
        return;
    // The library is loaded and initialised on first use, not at start-up:
    // most runs never open a topic.
    if (!initialised_) {
        initialised_ = true;
        library_.Call(nullptr, nullptr, kHelpInitialize, reinterpret_cast<DWORD_PTR>(&cookie_));
    }
    library_.Call(owner_, address.c_str(), kHelpDisplayTopic, 0);
}
