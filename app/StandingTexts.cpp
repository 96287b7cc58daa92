#include "app/StandingTexts.h"

#include <string>

#include "framework/DateFormat.h"
#include "lang/LanguageOwner.h"
#include "lang/ProgramTexts.h"
#include "model/AppIdentity.h"

namespace {

bool HasNext(const DayStanding& standing)
{
    return standing.kind == DayStanding::Clear && standing.hasNext;
}

// The day and month alone ("23 December").
CString DateAlone(const COleDateTime& date)
{
    SYSTEMTIME day{};
    return date.GetAsSystemTime(day) ? fw::FormatMonthDay(day) : CString();
}

} // namespace

CString NamedDay(const COleDateTime& date)
{
    SYSTEMTIME day{};
    if (!date.GetAsSystemTime(day))
        return CString();
    return AppText(TextId::WeekdayAndDate, {fw::FormatDate(day, L"dddd"), fw::FormatMonthDay(day)});
}

CString TipText(const DayStanding& standing)
{
    if (standing.kind == DayStanding::NoFirstDay)
        return AppText(TextId::TipNoFirstDay);
    if (standing.kind == DayStanding::Critical)
        return AppCountedText(
            TextId::TipCriticalDay, standing.periodLength,
            {std::to_string(standing.dayOfPeriod), std::to_string(standing.periodLength)});
    if (!HasNext(standing))
        return velindra::kAppName;
    if (standing.daysUntil == 1)
        return AppText(TextId::TipTomorrow);
    return AppCountedText(TextId::TipDaysAway, standing.daysUntil,
                          {std::to_string(standing.daysUntil)});
}

CString StatusText(const DayStanding& standing)
{
    if (standing.kind == DayStanding::NoFirstDay)
        return AppText(TextId::StatusNoFirstDay);
    if (standing.kind == DayStanding::Critical)
        return AppCountedText(
            TextId::StatusCriticalDay, standing.periodLength,
            {std::to_string(standing.dayOfPeriod), std::to_string(standing.periodLength)});
    if (!HasNext(standing))
        return CString();
    const CStringArray arguments{NamedDay(standing.nextStart), std::to_string(standing.daysUntil),
                                 DateAlone(standing.nextStart)};
    if (standing.daysUntil == 1)
        return AppText(TextId::StatusTomorrow, arguments);
    return AppCountedText(TextId::StatusDaysAway, standing.daysUntil, arguments);
}

CString ReminderText(const DayStanding& standing)
{
    if (!HasNext(standing))
        return CString();
    const CStringArray arguments{std::to_string(standing.daysUntil), NamedDay(standing.nextStart),
                                 DateAlone(standing.nextStart)};
    if (standing.daysUntil == 1)
        return AppText(TextId::ReminderTomorrow, arguments);
    return AppCountedText(TextId::ReminderDaysAway, standing.daysUntil, arguments);
}
