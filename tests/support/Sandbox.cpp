#include "tests/support/Sandbox.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace testing_support {
namespace {

HKEY g_userRoot = nullptr;
HKEY g_machineRoot = nullptr;
std::string g_sandboxPath;

HKEY CreateKey(const std::string& path)
{
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                    KEY_ALL_ACCESS, nullptr, &key, nullptr);
    return key;
}

} // namespace

void ResetRegistrySandbox()
{
    if (!g_userRoot) {
        char name[96];
        std::snprintf(name, sizeof(name), "Software\\VelindraTests\\%lu-%lu", GetCurrentProcessId(),
                      GetTickCount());
        g_sandboxPath = name;
        RegDeleteTreeA(HKEY_CURRENT_USER, name);
        g_userRoot = CreateKey(g_sandboxPath + "\\user");
        g_machineRoot = CreateKey(g_sandboxPath + "\\machine");
        RegOverridePredefKey(HKEY_CURRENT_USER, g_userRoot);
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, g_machineRoot);
    }
    RegDeleteTreeA(g_userRoot, nullptr);
    RegDeleteTreeA(g_machineRoot, nullptr);
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
    RegDeleteTreeA(HKEY_CURRENT_USER, g_sandboxPath.c_str());
}

std::wstring Wide(const std::string& path)
{
    std::wstring wide(path.size(), L'\0');
    wide.resize(
        MultiByteToWideChar(CP_ACP, 0, path.data(), int(path.size()), &wide[0], int(wide.size())));
    return wide;
}

std::wstring Long(const std::wstring& path)
{
    return L"\\\\?\\" + path;
}

std::string Narrow(const std::wstring& path)
{
    std::string narrow(path.size() * 2, '\0');
    narrow.resize(WideCharToMultiByte(CP_ACP, 0, path.data(), int(path.size()), &narrow[0],
                                      int(narrow.size()), nullptr, nullptr));
    return narrow;
}

bool MakeFolder(const std::wstring& path)
{
    return CreateDirectoryW(Long(path).c_str(), nullptr) != FALSE;
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes)
{
    std::ofstream file(std::filesystem::path(Long(path)), std::ios::binary);
    return static_cast<bool>(file << bytes);
}

std::string ReadWholeFile(const std::wstring& path)
{
    std::ifstream file(std::filesystem::path(Long(path)), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void RemoveFolder(const std::wstring& path)
{
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(Long(path + L"\\*").c_str(), &entry);
    for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileW(find, &entry)) {
        const std::wstring name = entry.cFileName, full = path + L"\\" + name;
        if (name == L"." || name == L"..")
            continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            RemoveFolder(full);
        SetFileAttributesW(Long(full).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(Long(full).c_str());
    }
    if (find != INVALID_HANDLE_VALUE)
        FindClose(find);
    RemoveDirectoryW(Long(path).c_str());
}

void PumpMessages(DWORD milliseconds)
{
    for (const DWORD start = GetTickCount();; Sleep(10)) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (GetTickCount() - start >= milliseconds)
            return;
    }
}

std::vector<COLORREF> ReadWindowPixels(HWND window, const RECT& area)
{
    const int width = area.right - area.left, height = area.bottom - area.top;
    std::vector<COLORREF> pixels;
    HDC screen = ::GetDC(window), memory = ::CreateCompatibleDC(screen);
    HGDIOBJ previous = ::SelectObject(
        memory, ::CreateCompatibleBitmap(screen, std::max(width, 1), std::max(height, 1)));
    ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(::GetPixel(memory, x, y));
    ::DeleteObject(::SelectObject(memory, previous));
    ::DeleteDC(memory);
    ::ReleaseDC(window, screen);
    return pixels;
}

} // namespace testing_support
