#include "tools/bench/driver/Settings.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr char kSettingsKey[] = "Software\\Orrowby\\Velindra";

void SetDword(HKEY key, const char* name, DWORD value)
{
    ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

void SetText(HKEY key, const char* name, const char* text)
{
    ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                     static_cast<DWORD>(std::strlen(text) + 1));
}

} // namespace

void WriteVelindraSettings(bool visible)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          &key, nullptr) != ERROR_SUCCESS)
        return;
    SetText(key, "StartDate", "2004 5 10 9 30 0");
    SetDword(key, "CritDayCount", 5);
    SetDword(key, "ClearDayCount", 23);
    SetDword(key, "Visibled", visible ? 1 : 0);
    SetDword(key, "HideMessage", 1);
    SetText(key, "Lang", "english");
    ::RegCloseKey(key);
}

std::string ReadVelindraLanguage()
{
    char name[64] = "";
    DWORD size = sizeof(name);
    if (::RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, "Lang", RRF_RT_REG_SZ, nullptr, name,
                       &size) != ERROR_SUCCESS)
        return std::string();
    return name;
}
