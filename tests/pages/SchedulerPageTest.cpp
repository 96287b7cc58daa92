// The Scheduler page in the host that plays the main window and keeps what
// was stored at every refresh it is asked for: what the page shows, what a
// settled change of each control stores (all three values, the date once
// there is one; a new first day recorded), and the refresh after every change.
#include <tuple>

#include "model/PeriodRecord.h"
#include "pages/CDialogCritSched.h"
#include "pages/SettlingChange.h"
#include "tests/pages/PageHost.h"

#include <commctrl.h>

template <> CDialogCritSched NewPage<CDialogCritSched>(PageServices& services)
{
    return CDialogCritSched(services.clock, services.help, services.language, TestSettings());
}

namespace {

// The three values as stored: the start date's text (empty when not stored)
// and the counts (-1 when not stored).
using Stored = std::tuple<std::string, long long, long long>;

Stored Now()
{
    auto count = [](const char* name) {
        DWORD value = 0, size = sizeof(value);
        return RegGetValueA(HKEY_CURRENT_USER, SettingsKeyPath().c_str(), name, RRF_RT_REG_DWORD,
                            nullptr, &value, &size) == ERROR_SUCCESS
                   ? static_cast<long long>(value)
                   : -1;
    };
    std::string start;
    TestSettings().ReadText(SettingStartDate, start);
    return {start, count("CritDayCount"), count("ClearDayCount")};
}

// The page, keeping what was stored at every refresh it asks for.
class SchedulerPage : public PageTest<CDialogCritSched> {
protected:
    SchedulerPage()
    {
        host.onRefresh = [this] { refreshes.push_back(Now()); };
    }
    COleDateTime Picker() const
    {
        SYSTEMTIME time{};
        ::SendMessageA(Item(IDC_SCHED_DATE), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
        return COleDateTime(time);
    }
    std::string Counts() const
    {
        return Text(IDC_SCHED_CRIT_EDIT) + "/" + Text(IDC_SCHED_CLEAR_EDIT);
    }
    // Typed over the box's text, and the box left.
    void Enter(int edit, const char* typed)
    {
        ::SetFocus(Item(edit));
        TypeOver(edit, typed);
        ::SetFocus(Item(IDC_SCHED_TODAY));
    }
    // The values 2004-03-10 09:30, 5 and 23 stored, and the page shows them.
    void StoreAndShow()
    {
        ASSERT_TRUE(store.WriteStartDate(kStored) && store.WriteDword(SettingCritDayCount, 5) &&
                    store.WriteDword(SettingClearDayCount, 23));
        host.page.LoadFromSettings();
    }

    const COleDateTime kStored{2004, 3, 10, 9, 30, 0};
    std::vector<Stored> refreshes;
};

// Without stored values the defaults and today, which is offered, not
// stored: counts entered store the counts alone, Today or a change of the
// picker the date with them. Stored values and the wizard's are shown and
// not stored again.
TEST_F(SchedulerPage, ShowsWhatIsStoredOrTheDefaultsAndStoresOnlyTheUsersChanges)
{
    host.page.LoadFromSettings(); // before the page window exists: nothing
    ASSERT_TRUE(host.Create());   // and as the main window opens it
    host.ApplyLanguage(true);
    host.ShowWindow(SW_SHOW);
    host.page.LoadFromSettings();
    EXPECT_TRUE(Counts() == "3/28" && Picker() == kNow && Now() == Stored("", -1, -1));
    services.clock.now = kNow + COleDateTimeSpan(1, 0, 0, 0); // shown again after midnight
    host.page.LoadFromSettings();
    EXPECT_EQ(Picker(), services.clock.now) << "the new today offered";
    services.clock.now = kNow;
    host.page.LoadFromSettings();
    Enter(IDC_SCHED_CRIT_EDIT, "4");
    ::SendMessageA(Item(IDC_SCHED_TODAY), BM_CLICK, 0, 0);
    EXPECT_EQ(refreshes, (std::vector<Stored>{{"", 4, 28}, {"2004 5 20 10 15 30", 4, 28}}));
    EXPECT_EQ(PeriodRecordText(ReadPeriodRecord(store)), "2004-05-20 4 28") << "today recorded";
    HWND picker = Item(IDC_SCHED_DATE);
    ::SetFocus(picker);
    ::SendMessageA(picker, WM_KEYDOWN, VK_RIGHT, 0);
    ::SendMessageA(picker, WM_KEYDOWN, VK_UP, 0);
    ::SetFocus(Item(IDC_SCHED_TODAY));
    COleDateTime stored;
    EXPECT_TRUE(Picker() != kNow && store.ReadStartDate(kNow, stored) && stored == Picker());
    EXPECT_TRUE(refreshes.size() == 3 && refreshes.back() == Now());
    refreshes.clear();
    StoreAndShow();
    EXPECT_TRUE(Counts() == "5/23" && Picker() == kStored);
    const COleDateTime chosen(2004, 1, 2, 8, 0, 0);
    host.page.ShowValues(chosen, 7, 40);
    EXPECT_TRUE(Counts() == "7/40" && Picker() == chosen && refreshes.empty());
    EXPECT_EQ(Now(), (Stored{"2004 3 10 9 30 0", 5, 23}));
    Enter(IDC_SCHED_CRIT_EDIT, "8");
    EXPECT_EQ(Now(), (Stored{"2004 1 2 8 0 0", 8, 40}));
    EXPECT_NE(PeriodRecordText(ReadPeriodRecord(store)).find("2004-01-02 8 40"), std::string::npos);
    host.page.ShowValues(chosen, 7, 40);
    host.page.LoadFromSettings();
    EXPECT_EQ(Counts(), "8/40") << "what is stored, not what was shown last";
}

// A count is stored once the box is left (or after a pause, below), never
// while she types: a number in its range as it is, any other as the count's
// default (the rule: the model's table), which the box then shows while a balloon
// says why; the edits take two digits. Every change stores all three values,
// shows the cycle they give beside them and the units in the forms of the
// counts, and then asks for one refresh.
TEST_F(SchedulerPage, ACountIsStoredWhenTheBoxIsLeftOrItHasSettled)
{
    ASSERT_TRUE(host.Create());
    host.ApplyLanguage(true);
    host.ShowWindow(SW_SHOW);
    StoreAndShow();
    for (auto [spin, rule] : {std::pair{IDC_SCHED_CRIT_SPIN, kCritDayRule},
                              std::pair{IDC_SCHED_CLEAR_SPIN, kClearDayRule}}) {
        int lowest = 0, highest = 0; // the arrows step within the count's range
        ::SendMessageA(Item(spin), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lowest),
                       reinterpret_cast<LPARAM>(&highest));
        EXPECT_TRUE(lowest == rule.lowest && highest == rule.highest) << spin;
    }
    const struct {
        int edit;
        const char *typed, *shown;
        long long crit, clear;
        bool balloon;
    } table[] = {
        {IDC_SCHED_CRIT_EDIT, "1", "1", 1, 23, false},
        {IDC_SCHED_CRIT_EDIT, "31", "3", 3, 23, true},
        {IDC_SCHED_CRIT_EDIT, "123", "12", 12, 23, false},
        {IDC_SCHED_CRIT_EDIT, "\b", "3", 3, 23, true},
        {IDC_SCHED_CLEAR_EDIT, "2", "28", 3, 28, true},
        {IDC_SCHED_CLEAR_EDIT, "4x56", "45", 3, 45, false},
    };
    for (const auto& row : table) {
        const Stored before = Now();
        refreshes.clear();
        ::SetFocus(Item(row.edit));
        TypeOver(row.edit, row.typed);
        EXPECT_TRUE(Now() == before && refreshes.empty()) << row.typed;
        ::SetFocus(Item(IDC_SCHED_TODAY));
        EXPECT_EQ(Text(row.edit), row.shown) << row.typed;
        EXPECT_EQ(Balloon().empty(), !row.balloon) << row.typed;
        EXPECT_EQ(Now(), (Stored{"2004 3 10 9 30 0", row.crit, row.clear})) << row.typed;
        EXPECT_TRUE(refreshes.size() == 1 && refreshes.back() == Now()) << row.typed;
        EXPECT_EQ(Text(IDC_SCHED_CYCLE_HINT) + " " + Text(IDC_SCHED_CRIT_UNIT),
                  "(a cycle of " + std::to_string(row.crit + row.clear) + " days) " +
                      (row.crit == 1 ? "Day" : "Days"));
    }
    // A pause stores a number the box can use; one it cannot use waits.
    for (const char* typed : {"7", "2"}) {
        refreshes.clear();
        ::SetFocus(Item(IDC_SCHED_CLEAR_EDIT));
        TypeOver(IDC_SCHED_CLEAR_EDIT, typed);
        testing_support::PumpMessages(SettlingChange::kPause + 300);
        EXPECT_EQ(Now(), (Stored{"2004 3 10 9 30 0", 3, 7})) << typed;
        EXPECT_EQ(refreshes.size(), typed[0] == '7' ? 1u : 0u) << typed;
    }
    // Leaving the page stores what waits, without a pause.
    TypeOver(IDC_SCHED_CLEAR_EDIT, "9");
    host.page.OnKillActive();
    EXPECT_EQ(Now(), (Stored{"2004 3 10 9 30 0", 3, 9}));
}

} // namespace
