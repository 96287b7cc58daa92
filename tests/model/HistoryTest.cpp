// Her record: how it is read and kept, how it marks the past, the cycle it
// suggests, and the calendar file it exports.
#include <gtest/gtest.h>

#include "model/CalendarExport.h"
#include "model/CycleSuggestion.h"
#include "model/Settings.h"
#include "tests/support/Sandbox.h"
#include "tests/support/FixedClock.h"
#include "tests/model/FakeCalendar.h"

namespace {

SettingsStore& store = TestSettings();

PeriodRecord Record(const std::string& text)
{
    PeriodRecord record;
    EXPECT_TRUE(ParsePeriodRecord(text, record)) << text;
    return record;
}

int64_t Day(const char* date) // "2026-06-08"
{
    return Parse((std::string(date) + " 00:00:00").c_str()).start.DayNumber();
}

// "2026-06-08 09:15:00 5 25 | 2026-05-07 5 25;2026-06-08 5 25": the stored
// first day, the counts in force and the record.
CycleHistory History(const std::string& text)
{
    const size_t bar = text.find('|');
    const Cycle cycle = Parse(text.substr(0, bar).c_str());
    return {cycle.start, cycle.crit, cycle.clear, Record(text.substr(bar + 2))};
}

std::string Entries(int count) // one a month from 2020-01-01
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += (i ? ";" : "") + std::to_string(2020 + i / 12) + "-" + (i % 12 < 9 ? "0" : "") +
                std::to_string(i % 12 + 1) + "-01 5 25";
    return text;
}

TEST(PeriodRecord, ReadsTheStoredTextOrNoRecord)
{
    const std::pair<std::string, std::string> table[] = {
        {"", ""},
        {"2026-06-08 5 25;2026-05-07 4 26", "2026-05-07 4 26;2026-06-08 5 25"},
        {"2026-05-07 5 25;2026-05-07 04 26", "2026-05-07 4 26"}, // the later one written
        {Entries(40), Entries(40).substr(4 * 16)},               // the last 36
        {"1752-09-14 1 3;9999-12-31 30 90", "1752-09-14 1 3;9999-12-31 30 90"},
    };
    for (const auto& [text, read] : table)
        EXPECT_EQ(read, PeriodRecordText(Record(text))) << text;
    for (const char* damaged :
         {"2026-05-07 5 25;", ";2026-05-07 5 25", "2026-5-07 5 25", "2026-05-07  5 25",
          "2026-05-07 5 25 ", "2026-05-07 5", "2026-05-07 5 255", "2026-02-29 5 25",
          "1752-09-13 5 25", "2026-05-07 0 25", "2026-05-07 31 25", "2026-05-07 5 2",
          "2026-05-07 5 91", "2026-05-07 5 25,2026-06-08 5 25", "12026-05-07 5 25",
          "2026-05-007 5 25", "2026-05-07 005 25"}) {
        PeriodRecord record{{1, 1, 3}};
        EXPECT_FALSE(ParsePeriodRecord(damaged, record) || !record.empty()) << damaged;
    }
    const std::string tooLong = Entries(129); // 2063 characters: beyond the store's buffer
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetKeyValueA(HKEY_CURRENT_USER, SettingsKeyPath().c_str(), "PeriodRecord", REG_SZ,
                              tooLong.c_str(), static_cast<DWORD>(tooLong.size() + 1)));
    EXPECT_TRUE(ReadPeriodRecord(store).empty());
    ASSERT_TRUE(WritePeriodRecord(store, Record(Entries(36))));
    EXPECT_EQ(Entries(36), PeriodRecordText(ReadPeriodRecord(store)));
}

TEST(PeriodRecord, RecordsPastFirstDaysOnceEachAfterTheStoredOne)
{
    // Before; the first day stored before ("": none); the new entry; today; after.
    const char* const table[][5] = {
        {"", "2026-05-07", "2026-06-08 5 25", "2026-06-08", "2026-05-07 5 25;2026-06-08 5 25"},
        {"", "", "2026-06-08 5 25", "2026-06-08", "2026-06-08 5 25"},
        {"", "2026-06-08", "2026-06-08 5 25", "2026-06-08", "2026-06-08 5 25"},
        {"", "2026-06-09", "2026-06-08 5 25", "2026-06-08", "2026-06-08 5 25"},
        {"", "2026-05-07", "2026-06-09 5 25", "2026-06-08", ""},
        {"2026-04-01 3 28", "2026-05-07", "2026-06-08 4 26", "2026-06-08",
         "2026-04-01 3 28;2026-06-08 4 26"},
        {"2026-05-07 5 25;2026-06-08 5 25", "2026-06-08", "2026-06-08 4 26", "2026-06-30",
         "2026-05-07 5 25;2026-06-08 4 26"},
        {"2026-06-08 5 25", "2026-06-08", "2026-05-07 5 25", "2026-06-08",
         "2026-05-07 5 25;2026-06-08 5 25"},
    };
    for (const auto& row : table) {
        PeriodRecord record = Record(row[0]);
        const int64_t stored = *row[1] ? Day(row[1]) : kNoDay;
        EXPECT_EQ(std::string(row[0]) != row[4],
                  RecordFirstDay(record, Record(row[2])[0], stored, Day(row[3])));
        EXPECT_EQ(row[4], PeriodRecordText(record)) << row[2];
    }
    PeriodRecord full = Record(Entries(36));
    EXPECT_TRUE(RecordFirstDay(full, {Day("2026-06-08"), 5, 25}, kNoDay, Day("2026-06-08")));
    EXPECT_EQ(Entries(36).substr(16) + ";2026-06-08 5 25", PeriodRecordText(full));
    EXPECT_FALSE(RecordFirstDay(full, {Day("2026-06-09"), 0, 25}, kNoDay, Day("2026-06-30")));
    EXPECT_TRUE(RemoveFirstDay(full, Day("2026-06-08")) &&
                !RemoveFirstDay(full, Day("2026-06-08")));
    EXPECT_EQ(Entries(36).substr(16), PeriodRecordText(full));
}

// The marks of one grid: the month, the history, the marked runs.
TEST(CycleHistory, ThePastStaysAsItWas)
{
    const char* const table[][3] = {
        // No record, or only the stored first day (after removing 7 May): as always.
        {"2004-03", "2004-03-10 09:30:00 5 23 | ", "2004-03-10+5 2004-04-07+4"},
        {"2026-05", "2026-06-08 09:15:00 5 25 | 2026-06-08 5 25", "2026-05-09+5"},
        // Her June period came on 8 June, not on 6 June.
        {"2026-05", "2026-06-08 09:15:00 5 25 | 2026-05-07 5 25;2026-06-08 5 25", "2026-05-07+5"},
        {"2026-06", "2026-06-08 09:15:00 5 25 | 2026-05-07 5 25;2026-06-08 5 25",
         "2026-06-08+5 2026-07-08+4"},
        // Days recorded after the stored one change nothing.
        {"2026-06", "2026-06-08 09:15:00 5 25 | 2026-05-07 5 25;2026-06-08 5 25;2026-07-01 3 28",
         "2026-06-08+5 2026-07-08+4"},
        // Each first day with its own counts, the earliest projected backwards.
        {"2026-04", "2026-05-07 08:00:00 5 25 | 2026-03-01 7 21;2026-05-07 5 25",
         "2026-03-29+7 2026-04-26+7 2026-05-07+3"},
        {"2026-02", "2026-05-07 08:00:00 5 25 | 2026-03-01 7 21;2026-05-07 5 25",
         "2026-02-01+7 2026-03-01+7"},
        {"2026-06", "2026-08-01 00:00:00 5 25 | 2026-05-07 5 25;2026-06-03 5 25",
         "2026-06-03+5 2026-07-03+5"},
        // A first day recorded within the period before replaces it.
        {"2026-05", "2026-06-08 09:15:00 5 25 | 2026-05-07 5 25;2026-05-09 5 25", "2026-05-09+5"},
        // The floor: no period before the one counted from 1973-01-01 or before.
        {"1972-12", "1973-03-01 00:00:00 5 25 | 1972-12-20 30 3", "1972-12-20+18"},
        {"1972-12", "1973-06-01 00:00:00 5 25 | 1973-01-10 30 3", "1972-12-08+30"},
        // The last displayable month.
        {"9999-11", "9999-12-01 00:00:00 3 28 | 9999-10-01 5 25", "9999-10-31+5 9999-12-01+3"},
        {"2026-05", "2026-06-08 09:15:00 0 25 | 2026-05-07 5 25", ""},
    };
    for (const auto& row : table) {
        FakeCalendar grid(row[0]);
        MarkCriticalDays(&grid, grid.first, grid.last, History(row[1]));
        EXPECT_EQ(row[2], grid.Runs()) << row[0] << ", " << row[1];
    }
}

// On every displayable month (the days of the month itself, which never
// include the grid's last day): a day is critical exactly when the calendars
// mark it, a clear day counts down to the next first day, the exported past
// is the marked past, and without a first day recorded before the stored one
// the marks are MarkCriticalDays' own.
TEST(CycleHistory, MarksStandingAndExportAgreeOnEveryDisplayableMonth)
{
    for (const char* text :
         {"2026-06-08 00:00:00 5 25 | 2026-05-07 5 25;2026-06-08 5 25",
          "2010-01-15 00:00:00 4 24 | 1975-03-03 30 90;1975-03-20 1 3;1990-07-01 7 21;"
          "2010-01-01 5 25;2010-01-15 4 24;2011-01-01 3 28",
          "1973-03-01 00:00:00 5 25 | 1960-01-01 30 3;1972-12-20 5 25",
          "2000-01-01 00:00:00 5 25 | 1973-01-10 30 3",
          "2004-03-13 09:30:00 5 23 | 2004-03-13 5 23;2004-05-01 3 28",
          "2004-03-10 00:00:00 5 23 | ", "1960-05-01 00:00:00 3 28 | ",
          "2030-01-01 00:00:00 30 90 | ", "2004-03-10 00:00:00 1 3 | "}) {
        const CycleHistory cycle = History(text);
        std::set<int64_t> past, exported;
        for (const MarkedPeriod& period : PeriodsBeforeStart(cycle, Day("1972-11-01")))
            for (int i = 0; i < period.length; ++i)
                exported.insert(period.day + i);
        for (int month = 1972 * 12 + 11; month <= 2036 * 12; ++month) {
            FakeCalendar grid(month / 12, month % 12 + 1), plain = grid;
            MarkCriticalDays(&grid, grid.first, grid.last, cycle);
            MarkCriticalDays(&plain, plain.first, plain.last, cycle.start, cycle.critDayCount,
                             cycle.clearDayCount);
            if (cycle.record.empty() || cycle.record[0].day >= cycle.start.DayNumber()) {
                ASSERT_EQ(plain.marked, grid.marked) << text;
            }
            for (COleDateTime day = grid.first; day <= grid.last; day += COleDateTimeSpan(1)) {
                if (day.GetMonth() != month % 12 + 1)
                    continue;
                const DayStanding s = WhereDayStands(day, cycle);
                const DayStanding next = WhereDayStands(day + COleDateTimeSpan(1), cycle);
                ASSERT_EQ(s.kind == DayStanding::Critical, grid.marked.count(day.DayNumber()) > 0)
                    << text << " " << day.GetYear() << "-" << day.GetMonth() << "-" << day.GetDay();
                ASSERT_TRUE(
                    s.kind == DayStanding::Critical ||
                    (s.daysUntil == 1 ? next.dayOfPeriod == 1 : next.daysUntil == s.daysUntil - 1))
                    << text;
                if (day.DayNumber() < cycle.start.DayNumber() && grid.marked.count(day.DayNumber()))
                    past.insert(day.DayNumber());
            }
        }
        for (auto day = exported.begin(); day != exported.end();)
            day =
                *day < Day("1972-12-01") || *day > Day("2036-01-31") ? exported.erase(day) : ++day;
        EXPECT_EQ(past, exported) << text;
    }
}

TEST(CycleHistory, FromTheStoreMarksNothingWithoutAStoredFirstDay)
{
    StoredCycle stored{store}; // one for the whole test: it reads again after each change
    FakeCalendar may("2026-05");
    const COleDateTime now(2026, 6, 8, 9, 15, 0);
    const testing_support::FixedClock clock(now);
    CalendarExport input;
    for (const char* start : {"", "2026 13 13 9 30 0"}) { // none stored, an impossible one
        ASSERT_TRUE(!*start || store.WriteText(SettingStartDate, start));
        MarkDaysFromSettings(stored, &may, may.first, may.last);
        EXPECT_TRUE(may.calls == 0 &&
                    StandingWithRecord(stored, may.first).kind == DayStanding::NoFirstDay &&
                    !ReadCalendarExport(store, stored, "Period", clock, input) &&
                    !StoredSuggestion(store, stored))
            << start;
    }
    // 7 May stored with 5 + 25 days; on 8 June her period started.
    ASSERT_TRUE(store.WriteStartDate(COleDateTime(2026, 5, 7, 10, 0, 0)) &&
                store.WriteDword(SettingCritDayCount, 5) &&
                store.WriteDword(SettingClearDayCount, 25));
    EXPECT_TRUE(StartPeriodToday(store, now));
    EXPECT_EQ("2026-05-07 5 25;2026-06-08 5 25", PeriodRecordText(ReadPeriodRecord(store)));
    MarkDaysFromSettings(stored, &may, may.first, may.last);
    EXPECT_EQ("2026-05-07+5", may.Runs());
    EXPECT_EQ(2, StandingWithRecord(stored, COleDateTime(2026, 5, 8, 12, 0, 0)).dayOfPeriod);
    EXPECT_TRUE(ReadCalendarExport(store, stored, "Period", clock, input) &&
                input.reminderDays == 0 && input.cycle.start == now && input.today == now &&
                input.utcNow == now);
    std::string rows; // the History dialog's lines
    for (const HistoryRow& row : HistoryRows(ReadPeriodRecord(store)))
        rows += std::to_string(row.firstDay.GetDay()) + " " + std::to_string(row.periodLength) +
                " " + std::to_string(row.cycleDays) + ";";
    EXPECT_EQ("7 5 32;8 5 0;", rows);
    EXPECT_TRUE(RemoveStoredFirstDay(store, COleDateTime(2026, 5, 7, 0, 0, 0)) &&
                !RemoveStoredFirstDay(store, COleDateTime(2026, 5, 7, 0, 0, 0)));
    FakeCalendar again("2026-05");
    MarkDaysFromSettings(stored, &again, again.first, again.last);
    EXPECT_EQ("2026-05-09+5", again.Runs()) << "as before 8 June was recorded";
}

// Cycles of 30, 30 and 31 days are recorded as first days 30, 30 and 31 days apart.
PeriodRecord Cycles(const std::vector<int>& days)
{
    PeriodRecord record{{Day("2025-01-01"), 5, 25}};
    for (int cycle : days)
        record.push_back({record.back().day + cycle, 5, 25});
    return record;
}

TEST(CycleSuggestion, TheMedianOfTheLastSixWhenTwoDaysOff)
{
    // The recorded cycles, the counts in force; the offer: cycles, median, clear days.
    const std::tuple<std::vector<int>, int, int, std::string> table[] = {
        {{30, 30}, 5, 23, "none"},
        {{30, 31, 30}, 5, 23, "3 30 25"},
        {{30, 31, 30}, 5, 24, "none"},
        {{30, 31, 30}, 1, 27, "3 30 29"},
        {{26, 26, 27}, 5, 25, "3 26 21"},
        {{29, 30, 31, 31}, 5, 23, "4 30 25"}, // 30.5, taken towards 28
        {{29, 29, 30, 30}, 5, 23, "none"},    // 29.5: 1.5 days off
        {{60, 60, 60, 31, 31, 30, 30, 30, 30}, 5, 25, "none"},
        {{60, 60, 60, 31, 31, 30, 30, 30, 30}, 5, 23, "6 30 25"},
        {{100, 100, 100}, 5, 25, "none"}, // 95 clear days
        {{7, 7, 7}, 5, 23, "none"},       // 2 clear days
    };
    for (const auto& [cycles, crit, clear, offer] : table) {
        const CycleSuggestion s = SuggestCycle(Cycles(cycles), crit, clear);
        EXPECT_EQ(offer, s ? std::to_string(s.cycles) + " " + std::to_string(s.medianDays) + " " +
                                 std::to_string(s.clearDayCount)
                           : "none");
    }
}

TEST(CycleSuggestion, DismissedUntilTheRecordChanges)
{
    StoredCycle stored{store};
    ASSERT_TRUE(store.WriteStartDate(COleDateTime(2025, 3, 31, 8, 0, 0)) &&
                WritePeriodRecord(store, Cycles({30, 29, 30})) &&
                store.WriteDword(SettingCritDayCount, 5));
    EXPECT_EQ(30, StoredSuggestion(store, stored).medianDays);
    EXPECT_TRUE(DismissSuggestion(store) && !StoredSuggestion(store, stored));
    COleDateTime none;
    none.SetStatus(COleDateTime::invalid);
    EXPECT_TRUE(RecordStoredFirstDay(store, COleDateTime(2025, 4, 30, 0, 0, 0), none,
                                     COleDateTime(2025, 6, 1, 12, 0, 0)));
    EXPECT_EQ(30, StoredSuggestion(store, stored).medianDays);
    EXPECT_TRUE(AcceptSuggestion(store, StoredSuggestion(store, stored)) &&
                !StoredSuggestion(store, stored));
    EXPECT_EQ(25u, store.ReadDword(SettingClearDayCount));
}

TEST(CalendarExport, OneEventForEachPastPeriodAndOneRepeating)
{
    CalendarExport input{History("2026-06-08 09:15:00 5 25 | 2026-05-07 5 25;2026-06-08 5 25"),
                         COleDateTime(2026, 6, 10, 12, 0, 0), COleDateTime(2026, 6, 10, 10, 0, 0),
                         "Period", 2};
    EXPECT_EQ("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Orrowby//Velindra 1.1//EN\r\n"
              "CALSCALE:GREGORIAN\r\n"
              "BEGIN:VEVENT\r\nUID:period-20260507@www.orrowby.example\r\n"
              "DTSTAMP:20260610T100000Z\r\nDTSTART;VALUE=DATE:20260507\r\n"
              "DTEND;VALUE=DATE:20260512\r\nSUMMARY:Period\r\nTRANSP:TRANSPARENT\r\nEND:VEVENT\r\n"
              "BEGIN:VEVENT\r\nUID:cycle@www.orrowby.example\r\nDTSTAMP:20260610T100000Z\r\n"
              "DTSTART;VALUE=DATE:20260608\r\nDTEND;VALUE=DATE:20260613\r\n"
              "RRULE:FREQ=DAILY;INTERVAL=30\r\nSUMMARY:Period\r\nTRANSP:TRANSPARENT\r\n"
              "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-P2D\r\nDESCRIPTION:Period\r\n"
              "END:VALARM\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n",
              ICalendarText(input));
    input.cycle.clearDayCount = 0;
    EXPECT_EQ("", ICalendarText(input));
    input.cycle = History("9999-12-27 00:00:00 5 25 | ");
    EXPECT_EQ("", ICalendarText(input)) << "a period to 9999-12-31 ends on 10000-01-01";
}

} // namespace
