#include "model/FirstStart.h"

#include "model/Settings.h"

bool IsFirstStart(const SettingsStore& settings)
{
    return !settings.Exists() || settings.ReadDword(SettingFirstStartAnswered) == 0;
}

void BeginFirstStart(SettingsStore& settings)
{
    settings.WriteDword(SettingFirstStartAnswered, 0);
}

void EndFirstStart(SettingsStore& settings)
{
    settings.WriteDword(SettingFirstStartAnswered, 1);
}
