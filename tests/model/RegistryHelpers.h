#pragma once
// Direct access to the (sandboxed) registry for the model's tests.
#include <windows.h>

#include <string>

namespace model_tests {

constexpr char kSettingsPath[] = "Software\\Orrowby\\Velindra";

inline bool KeyExists(HKEY root, const char* path)
{
    HKEY key;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

inline void CreateKey(HKEY root, const char* path)
{
    HKEY key;
    if (RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) ==
        ERROR_SUCCESS)
        RegCloseKey(key);
}

inline bool SetRaw(HKEY root, const char* path, const char* name, DWORD type, const void* data,
                   DWORD size)
{
    HKEY key;
    if (RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const bool ok =
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

struct RawValue {
    bool exists = false;
    DWORD type = 0;
    std::string data; // the stored bytes, terminating NUL included
};

inline RawValue GetRaw(HKEY root, const char* path, const char* name)
{
    RawValue result;
    HKEY key;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return result;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &result.type, nullptr, &size) == ERROR_SUCCESS) {
        result.data.resize(size);
        if (RegQueryValueExA(key, name, nullptr, &result.type,
                             reinterpret_cast<BYTE*>(&result.data[0]), &size) == ERROR_SUCCESS) {
            result.exists = true;
            result.data.resize(size);
        }
    }
    RegCloseKey(key);
    return result;
}

} // namespace model_tests
