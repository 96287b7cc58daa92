#include "app/StandingTexts.h"

#include <string>

#include "framework/DateFormat.h"
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

CString NamedDay(const LanguageManager& texts, const COleDateTime& date)
{
    SYSTEMTIME day{};
    if (!date.GetAsSystemTime(day))
        return CString();
    return texts.Format(TextId::WeekdayAndDate,
                        {fw::FormatDate(day, L"dddd"), fw::FormatMonthDay(day)});
}

CString TipText(const LanguageManager& texts, const DayStanding& standing)
{
    if (standing.kind == DayStanding::NoFirstDay)
        return texts.Format(TextId::TipNoFirstDay);
    if (standing.kind == DayStanding::Critical)
        return texts.Format(
            TextId::TipCriticalDay, standing.periodLength,
            {std::to_string(standing.dayOfPeriod), std::to_string(standing.periodLength)});
    if (!HasNext(standing))
        return velindra::kAppName;
    if (standing.daysUntil == 1)
        return texts.Format(TextId::TipTomorrow);
    return texts.Format(TextId::TipDaysAway, standing.daysUntil,
                        {std::to_string(standing.daysUntil)});
}

CString StatusText(const LanguageManager& texts, const DayStanding& standing)
{
    if (standing.kind == DayStanding::NoFirstDay)
        return texts.Format(TextId::StatusNoFirstDay);
    if (standing.kind == DayStanding::Critical)
        return texts.Format(
            TextId::StatusCriticalDay, standing.periodLength,
            {std::to_string(standing.dayOfPeriod), std::to_string(standing.periodLength)});
    if (!HasNext(standing))
        return CString();
    const CStringArray arguments{NamedDay(texts, standing.nextStart),
                                 std::to_string(standing.daysUntil), DateAlone(standing.nextStart)};
    if (standing.daysUntil == 1)
        return texts.Format(TextId::StatusTomorrow, arguments);
    return texts.Format(TextId::StatusDaysAway, standing.daysUntil, arguments);
}

CString ReminderText(const LanguageManager& texts, const DayStanding& standing)
{
    if (!HasNext(standing))
        return CString();
    const CStringArray arguments{std::to_string(standing.daysUntil),
                                 NamedDay(texts, standing.nextStart),
                                 DateAlone(standing.nextStart)};
    if (standing.daysUntil == 1)
        return texts.Format(TextId::ReminderTomorrow, arguments);
    return texts.Format(TextId::ReminderDaysAway, standing.daysUntil, arguments);
}
