#include "tests/support/Sandbox.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace testing_support {
namespace {

HKEY g_userRoot = nullptr;
HKEY g_machineRoot = nullptr;
std::string g_sandboxPath;

bool DeleteTree(HKEY parent, const char* name)
{
    HKEY key;
    if (RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return false;
    char child[256];
    for (;;) {
        DWORD length = sizeof(child);
        if (RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        if (!DeleteTree(key, child))
            break;
    }
    RegCloseKey(key);
    return RegDeleteKeyA(parent, name) == ERROR_SUCCESS;
}

HKEY CreateKey(HKEY parent, const std::string& path)
{
    HKEY key = nullptr;
    RegCreateKeyExA(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                    nullptr, &key, nullptr);
    return key;
}

void OpenSandbox()
{
    char name[96];
    std::snprintf(name, sizeof(name), "Software\\VelindraTests\\%lu-%lu", GetCurrentProcessId(),
                  GetTickCount());
    g_sandboxPath = name;
    DeleteTree(HKEY_CURRENT_USER, name);
    g_userRoot = CreateKey(HKEY_CURRENT_USER, g_sandboxPath + "\\user");
    g_machineRoot = CreateKey(HKEY_CURRENT_USER, g_sandboxPath + "\\machine");
    RegOverridePredefKey(HKEY_CURRENT_USER, g_userRoot);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, g_machineRoot);
}

void EmptyKey(HKEY key)
{
    char child[256];
    for (;;) {
        DWORD length = sizeof(child);
        if (RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        if (!DeleteTree(key, child))
            break;
    }
    for (;;) {
        DWORD length = sizeof(child);
        if (RegEnumValueA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        if (RegDeleteValueA(key, child) != ERROR_SUCCESS)
            break;
    }
}

} // namespace

void ResetRegistrySandbox()
{
    if (!g_userRoot)
        OpenSandbox();
    EmptyKey(g_userRoot);
    EmptyKey(g_machineRoot);
}

void CloseRegistrySandbox()
{
    if (!g_userRoot)
        return;
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegCloseKey(g_userRoot);
    RegCloseKey(g_machineRoot);
    g_userRoot = g_machineRoot = nullptr;
    DeleteTree(HKEY_CURRENT_USER, g_sandboxPath.c_str());
}

std::string RegistrySandboxPath()
{
    return g_sandboxPath;
}

namespace {

void RemoveFolder(const std::string& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string full = folder + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveFolder(full);
            } else {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace

TempFolder::TempFolder()
{
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    char name[MAX_PATH + 64];
    std::snprintf(name, sizeof(name), "%svelindra-test-%lu-%u", base, GetCurrentProcessId(),
                  ++counter);
    path_ = name;
    RemoveFolder(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
}

TempFolder::~TempFolder()
{
    RemoveFolder(path_);
}

bool TempFolder::Write(const std::string& name, const std::string& contents) const
{
    std::ofstream out(File(name), std::ios::binary);
    out << contents;
    return static_cast<bool>(out);
}

std::string TempFolder::Read(const std::string& name) const
{
    std::ifstream in(File(name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool TempFolder::Exists(const std::string& name) const
{
    return GetFileAttributesA(File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

COLORREF ReadWindowPixel(HWND window, int x, int y)
{
    HDC screen = ::GetDC(window);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP pixel = ::CreateCompatibleBitmap(screen, 1, 1);
    HGDIOBJ previous = ::SelectObject(memory, pixel);
    ::BitBlt(memory, 0, 0, 1, 1, screen, x, y, SRCCOPY);
    COLORREF colour = ::GetPixel(memory, 0, 0);
    ::SelectObject(memory, previous);
    ::DeleteObject(pixel);
    ::DeleteDC(memory);
    ::ReleaseDC(window, screen);
    return colour;
}

std::vector<COLORREF> ReadWindowPixels(HWND window, const RECT& area)
{
    const int width = area.right - area.left, height = area.bottom - area.top;
    std::vector<COLORREF> pixels;
    if (width <= 0 || height <= 0)
        return pixels;
    HDC screen = ::GetDC(window);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP copy = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = ::SelectObject(memory, copy);
    ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    pixels.reserve(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(::GetPixel(memory, x, y));
    ::SelectObject(memory, previous);
    ::DeleteObject(copy);
    ::DeleteDC(memory);
    ::ReleaseDC(window, screen);
    return pixels;
}

std::pair<int, int> ColumnsWithColour(HWND window, const RECT& area, COLORREF colour)
{
    const std::vector<COLORREF> pixels = ReadWindowPixels(window, area);
    const int width = area.right - area.left;
    std::pair<int, int> columns{-1, -1};
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (pixels[i] != colour)
            continue;
        const int x = area.left + static_cast<int>(i % static_cast<size_t>(width));
        if (columns.first < 0 || x < columns.first)
            columns.first = x;
        columns.second = std::max(columns.second, x);
    }
    return columns;
}

} // namespace testing_support
