// The reminder's settings and the periods it announced, in the settings store.
#include "model/Reminder.h"
#include "model/Settings.h"

ReminderSettings ReadReminderSettings()
{
    const SettingsReader settings;
    ReminderSettings reminder;
    reminder.on = settings.ReadDword(SettingRemind) != 0;
    reminder.daysBefore = static_cast<int>(settings.ReadDword(SettingRemindDays));
    return reminder;
}

AnnouncedPeriods ReadAnnouncedPeriods()
{
    const SettingsReader settings;
    std::string list;
    settings.ReadText(SettingRemindedPeriods, list);
    return AnnouncedPeriods::FromStored(list, settings.ReadDword(SettingRemindedPeriod));
}

void StoreAnnouncedPeriods(const AnnouncedPeriods& announced)
{
    WriteSettingText(SettingRemindedPeriods, announced.List());
    WriteSettingDword(SettingRemindedPeriod, announced.Last());
}
