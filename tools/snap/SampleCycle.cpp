#include "SampleCycle.h"

#include "ProgramFolder.h"

#include "app/SystemShell.h"

#include <windows.h>

#include <string>

#include "framework/DateTime.h"
#include "model/RegKey.h"
#include "model/Settings.h"

namespace snap {

namespace {

constexpr char kScratchParent[] = "Software\\VelindraSnapScratch";

// The redirection and its scratch key, undone when the process ends.
class ScratchSettings {
public:
    bool Start()
    {
        if (key_)
            return true;
        path_ = std::string(kScratchParent) + "\\" + std::to_string(GetCurrentProcessId());
        key_ = RegKey::Create(HKEY_CURRENT_USER, path_.c_str(), KEY_ALL_ACCESS);
        if (!key_)
            return false;
        if (RegOverridePredefKey(HKEY_CURRENT_USER, key_.Get()) != ERROR_SUCCESS) {
            Remove();
            return false;
        }
        return true;
    }
    ~ScratchSettings()
    {
        if (!key_)
            return;
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        Remove();
    }

private:
    void Remove()
    {
        key_.Close();
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, kScratchParent); // only when empty
    }

    RegKey key_;
    std::string path_;
};

ScratchSettings g_scratch;

} // namespace

SampleClock& TheClock()
{
    static SampleClock clock;
    return clock;
}

NoHelp& TheHelp()
{
    static NoHelp help;
    return help;
}

Shell& TheShell()
{
    static SystemShell shell;
    return shell;
}

LanguageManager& TheTexts()
{
    static LanguageManager texts{snap::ScratchProgramFile()};
    return texts;
}

SettingsStore& TheSettings()
{
    static SettingsStore settings(HKEY_CURRENT_USER, SettingsKeyPath());
    return settings;
}

StoredCycle& TheCycle()
{
    static StoredCycle stored(TheSettings());
    return stored;
}

bool UseSampleCycle()
{
    if (!g_scratch.Start())
        return false;
    TheSettings().WriteStartDate(COleDateTime(2004, 3, 10, 9, 30, 0));
    TheSettings().WriteDword(SettingCritDayCount, 5);
    TheSettings().WriteDword(SettingClearDayCount, 23);
    return true;
}

void StoreSampleRecord()
{
    TheSettings().WriteText(
        SettingPeriodRecord,
        "2003-11-08 5 23;2003-12-09 5 23;2004-01-09 5 23;2004-02-08 5 23;2004-03-10 5 23");
}

} // namespace snap
