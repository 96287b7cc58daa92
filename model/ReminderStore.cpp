// The reminder's settings and the periods it announced, in the settings store.
#include "model/Reminder.h"
#include "model/Settings.h"

ReminderSettings ReadReminderSettings(const SettingsStore& store)
{
    const SettingsReader settings(store);
    ReminderSettings reminder;
    reminder.on = settings.ReadDword(SettingRemind) != 0;
    reminder.daysBefore = static_cast<int>(settings.ReadDword(SettingRemindDays));
    return reminder;
}

AnnouncedPeriods ReadAnnouncedPeriods(const SettingsStore& store)
{
    const SettingsReader settings(store);
    std::string list;
    settings.ReadText(SettingRemindedPeriods, list);
    return AnnouncedPeriods::FromStored(list, settings.ReadDword(SettingRemindedPeriod));
}

void StoreAnnouncedPeriods(SettingsStore& settings, const AnnouncedPeriods& announced)
{
    settings.WriteText(SettingRemindedPeriods, announced.List());
    settings.WriteDword(SettingRemindedPeriod, announced.Last());
}
