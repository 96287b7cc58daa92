#include "model/Reminder.h"

#include <algorithm>
#include <cstdlib>

AnnouncedPeriods AnnouncedPeriods::FromStored(const std::string& list, DWORD last)
{
    AnnouncedPeriods announced;
    const char* text = list.c_str();
    while (*text) {
        char* end = nullptr;
        const unsigned long long day = std::strtoull(text, &end, 10);
        if (end == text) {
            ++text; // not a number: skipped
            continue;
        }
        if (day > 0 && day <= 0xFFFFFFFFull && (*end == ' ' || *end == '\0'))
            announced.Add(static_cast<DWORD>(day));
        text = end;
    }
    if (last != 0)
        announced.Add(last);
    return announced;
}

bool AnnouncedPeriods::Contains(DWORD day) const
{
    return std::find(days_.begin(), days_.end(), day) != days_.end();
}

void AnnouncedPeriods::Add(DWORD day)
{
    days_.erase(std::remove(days_.begin(), days_.end(), day), days_.end());
    days_.push_back(day);
    if (days_.size() > kKept)
        days_.erase(days_.begin(), days_.end() - kKept);
}

std::string AnnouncedPeriods::List() const
{
    std::string list;
    for (DWORD day : days_)
        list += (list.empty() ? "" : " ") + std::to_string(day);
    return list;
}

DWORD PeriodDay(const COleDateTime& firstDay)
{
    return static_cast<DWORD>(firstDay.DayNumber());
}

ReminderDecision DecideReminder(const DayStanding& today, const ReminderSettings& settings,
                                const AnnouncedPeriods& announced, const COleDateTime* shown)
{
    ReminderDecision decision;
    const bool due = settings.on && today.kind == DayStanding::Clear && today.hasNext &&
                     today.daysUntil <= settings.daysBefore;
    decision.withdraw = shown && (!due || PeriodDay(*shown) != PeriodDay(today.nextStart));
    if (!due || announced.Contains(PeriodDay(today.nextStart)))
        return decision;
    decision.show = true;
    decision.firstDay = today.nextStart;
    return decision;
}
