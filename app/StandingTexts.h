#pragma once
// Where today stands, in words of the current language: the notification
// icon's tip, the Monitor page's line and the reminder before critical days,
// each in the plural form of its count. The texts with the next period's
// date have it as weekday and date (%1 or %2) and as the date alone (%3).
#include "framework/Strings.h"
#include "lang/LanguageManager.h"
#include "model/CycleCalculator.h"

// "Velindra – critical day 2 of 5", "Velindra – critical days in 6 days",
// "... tomorrow", "... no first day entered yet"; "Velindra" when nothing
// is known.
CString TipText(const LanguageManager& texts, const DayStanding& standing);
// "Critical day 2 of 5", "Next critical days: Wednesday, 23 December (in 16
// days)", "No first day entered yet (Scheduler page)"; empty when nothing
// is known.
CString StatusText(const LanguageManager& texts, const DayStanding& standing);
// "Critical days begin in 2 days, on Friday, 20 November." or "... tomorrow
// ..."; empty on a critical day or without a next period.
CString ReminderText(const LanguageManager& texts, const DayStanding& standing);
// The weekday, day and month of the date, in the order the language gives.
CString NamedDay(const LanguageManager& texts, const COleDateTime& date);
