// When the reminder comes (from where today stands, its settings, the periods
// announced and the one on screen), the periods announced as they are kept,
// and when a start is the first start.
#include <gtest/gtest.h>

#include "model/FirstStart.h"
#include "model/Reminder.h"
#include "model/Settings.h"
#include "tests/support/Sandbox.h"

namespace {

SettingsStore& store = TestSettings();

const COleDateTime kMay19(2004, 5, 19, 0, 0, 0), kMay21(2004, 5, 21, 0, 0, 0),
    kJun23(2004, 6, 23, 0, 0, 0);

DayStanding Standing(DayStanding::Kind kind, int daysUntil = 0, COleDateTime next = kMay19)
{
    DayStanding standing;
    standing.kind = kind;
    standing.hasNext = kind == DayStanding::Clear && daysUntil > 0;
    standing.daysUntil = daysUntil;
    standing.nextStart = next;
    return standing;
}

TEST(DecideReminder, ShowsAPeriodOnceWithinItsDaysAndWithdrawsOneThatNoLongerHolds)
{
    const struct {
        DayStanding today;
        bool on;
        int daysBefore;
        std::vector<COleDateTime> announced;
        const COleDateTime* shown;
        const char* decision; // "-" withdraw, "+<day>" show
    } table[] = {
        {Standing(DayStanding::Clear, 2), true, 2, {}, nullptr, "+19"},
        {Standing(DayStanding::Clear, 3), true, 2, {}, nullptr, ""},
        {Standing(DayStanding::Clear, 1), false, 2, {}, nullptr, ""},
        {Standing(DayStanding::Clear, 2), true, 2, {kMay19}, nullptr, ""},
        // The clock went back from June: May 19 was announced before June 23.
        {Standing(DayStanding::Clear, 2), true, 2, {kMay19, kJun23}, nullptr, ""},
        {Standing(DayStanding::Clear, 2), true, 2, {kJun23}, nullptr, "+19"},
        {Standing(DayStanding::Clear, 2), true, 2, {kMay19}, &kMay19, ""},
        {Standing(DayStanding::Critical), true, 2, {kMay19}, &kMay19, "-"},
        {Standing(DayStanding::Clear, 4, kMay21), true, 7, {kMay19}, &kMay19, "-+21"},
        {Standing(DayStanding::NoFirstDay), true, 7, {}, nullptr, ""},
        {Standing(DayStanding::Clear, 0), true, 7, {}, nullptr, ""}, // no next period
    };
    for (const auto& row : table) {
        AnnouncedPeriods announced;
        for (const COleDateTime& day : row.announced)
            announced.Add(PeriodDay(day));
        const ReminderDecision d =
            DecideReminder(row.today, {row.on, row.daysBefore}, announced, row.shown);
        const std::string got = std::string(d.withdraw ? "-" : "") +
                                (d.show ? "+" + std::to_string(d.firstDay.GetDay()) : "");
        EXPECT_EQ(got, row.decision) << row.today.kind << " " << row.today.daysUntil;
    }
}

// The kept list with RemindedPeriod, the last announced, which a program that
// keeps no list writes alone: what is read, and what is kept after one more;
// the reminder's settings as stored.
TEST(AnnouncedPeriods, ReadsTheListWithTheLastAndKeepsTheLatest)
{
    const char* const table[][4] = {
        // list, RemindedPeriod, read, after announcing 38200
        {"", "0", "", "38200"},
        {"", "38125", "38125", "38125 38200"},
        {"38125 38160", "38160", "38125 38160", "38125 38160 38200"},
        {"38125 38160", "38125", "38160 38125", "38160 38125 38200"},
        {"38125 x 12y -5 99999999999 0", "0", "38125", "38125 38200"},
        {"38200 38125", "38125", "38200 38125", "38125 38200"},
    };
    for (const auto& row : table) {
        AnnouncedPeriods announced =
            AnnouncedPeriods::FromStored(row[0], static_cast<DWORD>(std::stoul(row[1])));
        EXPECT_EQ(announced.List(), row[2]) << row[0];
        announced.Add(38200);
        EXPECT_EQ(announced.List(), row[3]) << row[0];
    }
    AnnouncedPeriods many;
    for (DWORD day = 1; day <= AnnouncedPeriods::kKept + 1; ++day)
        many.Add(day);
    EXPECT_TRUE(!many.Contains(1) && many.Contains(2) &&
                many.Last() == AnnouncedPeriods::kKept + 1);

    ASSERT_TRUE(store.WriteDword(SettingRemind, 1) && store.WriteDword(SettingRemindDays, 5));
    EXPECT_TRUE(ReadReminderSettings(store).on && ReadReminderSettings(store).daysBefore == 5);
    StoreAnnouncedPeriods(store, AnnouncedPeriods::FromStored("38125", 38160));
    EXPECT_EQ(store.ReadDword(SettingRemindedPeriod), 38160u);
    EXPECT_EQ(ReadAnnouncedPeriods(store).List(), "38125 38160");
}

// A settings key without the mark (as every program before this one left it)
// counts as answered; the first start is one until its question is answered.
// Each store keeps its own: another key's first, the program's untouched by it.
TEST(FirstStart, LastsUntilItsQuestionIsAnswered)
{
    SettingsStore other(HKEY_CURRENT_USER, SettingsKeyPath("Other", "Velindra"));
    for (SettingsStore* each : {&other, &store}) {
        EXPECT_TRUE(IsFirstStart(*each) && !each->Exists());
        ASSERT_TRUE(each->Open());
        EXPECT_FALSE(IsFirstStart(*each));
        BeginFirstStart(*each);
        EXPECT_TRUE(IsFirstStart(*each));
        EndFirstStart(*each);
        EXPECT_FALSE(IsFirstStart(*each));
    }
}

} // namespace
