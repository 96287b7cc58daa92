#include "model/FirstStart.h"

#include "model/Settings.h"

bool IsFirstStart()
{
    return !RegistryKeyExists(HKEY_CURRENT_USER, SettingsKeyPath().c_str()) ||
           ReadSettingDword(SettingFirstStartAnswered) == 0;
}

void BeginFirstStart()
{
    WriteSettingDword(SettingFirstStartAnswered, 0);
}

void EndFirstStart()
{
    WriteSettingDword(SettingFirstStartAnswered, 1);
}
