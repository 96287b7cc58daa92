// Where today stands, in words of a language with the forms of its counts:
// the tip, the Monitor page's line and the reminder each take the form of
// their count (or fall back to the key, then to English), and a text may put
// the date alone (%3) where its grammar wants it.
#include "app/StandingTexts.h"

#include <gtest/gtest.h>

#include "tests/support/LanguageHost.h"

namespace {

const char kRussianForms[] = "\xEF\xBB\xBF[Translator]\r\nLocale=ru-RU\r\n[Texts]\r\n"
                             "TipCriticalDay.one=crit one %1/%2\r\n"
                             "TipDaysAway.few=tip few %1\r\nTipDaysAway.many=tip many %1\r\n"
                             "StatusDaysAway.one=in %2 (one), %3\r\n"
                             "StatusTomorrow=tomorrow, %3\r\n"
                             "ReminderDaysAway.few=%1 few, %3\r\n"
                             "ReminderTomorrow=tomorrow, %3 (%2)\r\n";

TEST(StandingTexts, TakeTheFormsOfTheirCountsAndTheDateAlone)
{
    testing_support::LanguageHost host("forms", kRussianForms);
    const std::string date = "19 \xD0\xBC\xD0\xB0\xD1\x8F";                        // 19 мая
    const std::string named = "\xD1\x81\xD1\x80\xD0\xB5\xD0\xB4\xD0\xB0, " + date; // среда, ...
    const std::string tip = "Velindra \xE2\x80\x93 critical ";
    const struct {
        int periodLength, daysUntil; // a critical day (1 of periodLength) when daysUntil is 0
        std::string tip, status, reminder;
    } table[] = {
        {1, 0, "crit one 1/1", "Critical day 1 of 1", ""},
        {5, 0, tip + "day 1 of 5", "Critical day 1 of 5", ""},
        {5, 1, tip + "days tomorrow", "tomorrow, " + date,
         "tomorrow, " + date + " (" + named + ")"},
        {5, 3, "tip few 3", "Next critical days: " + named + " (in 3 days)", "3 few, " + date},
        {5, 5, "tip many 5", "Next critical days: " + named + " (in 5 days)",
         "Critical days begin in 5 days, on " + named + "."},
        {5, 21, tip + "days in 21 days", "in 21 (one), " + date,
         "Critical days begin in 21 days, on " + named + "."},
    };
    for (const auto& row : table) {
        DayStanding standing;
        standing.kind = row.daysUntil ? DayStanding::Clear : DayStanding::Critical;
        standing.dayOfPeriod = 1;
        standing.periodLength = row.periodLength;
        standing.hasNext = row.daysUntil > 0;
        standing.nextStart = COleDateTime(2004, 5, 19, 0, 0, 0);
        standing.daysUntil = row.daysUntil;
        EXPECT_EQ(TipText(host.language, standing), row.tip) << row.daysUntil;
        EXPECT_EQ(StatusText(host.language, standing), row.status) << row.daysUntil;
        EXPECT_EQ(ReminderText(host.language, standing), row.reminder) << row.daysUntil;
    }
}

} // namespace
