// The Scheduler page in the host that plays the main window and keeps what
// was stored at every refresh it is asked for: what the page shows, what a
// change of each control stores (always all three values), and the refresh
// after every change.
#include <tuple>

#include "pages/SchedulerPage.h"
#include "tests/pages/PageHost.h"

#include <commctrl.h>

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
    ReadSettingText(SettingStartDate, start);
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
    // The values 2004-03-10 09:30, 5 and 23 stored, and the page shows them.
    void StoreAndShow()
    {
        ASSERT_TRUE(WriteStartDate(SettingStartDate, kStored) &&
                    WriteSettingDword(SettingCritDayCount, 5) &&
                    WriteSettingDword(SettingClearDayCount, 23));
        host.page.LoadFromSettings();
    }

    const COleDateTime kStored{2004, 3, 10, 9, 30, 0};
    std::vector<Stored> refreshes;
};

// The defaults and today without stored values, stored only by Today or a
// keyboard change of the picker (with the counts); then stored values, and
// the wizard's: none is stored again, and the page stores changes again
// afterwards; then typed counts.
TEST_F(SchedulerPage, ShowsWhatIsStoredOrTheDefaultsAndStoresOnlyTheUsersChanges)
{
    host.page.LoadFromSettings(); // before the page window exists: nothing
    ASSERT_TRUE(host.Create());   // and as the main window opens it
    host.ApplyLanguage(true);
    host.page.LoadFromSettings();
    EXPECT_TRUE(Counts() == "3/28" && Picker() == kNow && Now() == Stored("", -1, -1));
    ::SendMessageA(Item(IDC_SCHED_TODAY), BM_CLICK, 0, 0);
    EXPECT_EQ(refreshes, (std::vector<Stored>{{"2004 5 20 10 15 30", 3, 28}}));
    HWND picker = Item(IDC_SCHED_DATE);
    ::SetFocus(picker);
    ::SendMessageA(picker, WM_KEYDOWN, VK_RIGHT, 0);
    ::SendMessageA(picker, WM_KEYDOWN, VK_UP, 0);
    EXPECT_NE(Picker(), kNow);
    COleDateTime stored;
    EXPECT_TRUE(ReadStartDate(SettingStartDate, stored) && stored == Picker());
    EXPECT_TRUE(refreshes.size() == 2 && refreshes.back() == Now());
    refreshes.clear();
    StoreAndShow();
    EXPECT_TRUE(Counts() == "5/23" && Picker() == kStored);
    const COleDateTime chosen(2004, 1, 2, 8, 0, 0);
    host.page.ShowValues(chosen, 7, 40);
    EXPECT_TRUE(Counts() == "7/40" && Picker() == chosen && refreshes.empty());
    EXPECT_EQ(Now(), (Stored{"2004 3 10 9 30 0", 5, 23}));
    TypeOver(IDC_SCHED_CRIT_EDIT, "8");
    EXPECT_EQ(Now(), (Stored{"2004 1 2 8 0 0", 8, 40}));

    // Each count in its range (1 to 30, 3 to 90) is stored; anything else
    // stores the count's default; the edits take two digits. Every change
    // stores all three values, shows the cycle they give beside them and
    // the units in the forms of the counts, then asks for a refresh.
    const struct {
        int edit;
        const char* typed;
        const char* shown;
        long long crit, clear;
    } table[] = {
        {IDC_SCHED_CRIT_EDIT, "15", "15", 15, 23}, {IDC_SCHED_CRIT_EDIT, "1", "1", 1, 23},
        {IDC_SCHED_CRIT_EDIT, "30", "30", 30, 23}, {IDC_SCHED_CRIT_EDIT, "31", "31", 3, 23},
        {IDC_SCHED_CRIT_EDIT, "0", "0", 3, 23},    {IDC_SCHED_CRIT_EDIT, "123", "12", 12, 23},
        {IDC_SCHED_CRIT_EDIT, "\b", "", 3, 23},    {IDC_SCHED_CLEAR_EDIT, "3", "3", 3, 3},
        {IDC_SCHED_CLEAR_EDIT, "2", "2", 3, 28},   {IDC_SCHED_CLEAR_EDIT, "90", "90", 3, 90},
        {IDC_SCHED_CLEAR_EDIT, "91", "91", 3, 28}, {IDC_SCHED_CLEAR_EDIT, "4x56", "45", 3, 45},
        {IDC_SCHED_CLEAR_EDIT, "\b", "", 3, 28},
    };
    StoreAndShow();
    for (const auto& row : table) {
        refreshes.clear();
        TypeOver(row.edit, row.typed);
        EXPECT_EQ(Text(row.edit), row.shown) << row.typed;
        EXPECT_EQ(Now(), (Stored{"2004 3 10 9 30 0", row.crit, row.clear})) << row.typed;
        EXPECT_TRUE(!refreshes.empty() && refreshes.back() == Now()) << row.typed;
        EXPECT_EQ(Text(IDC_SCHED_CYCLE_HINT) + " " + Text(IDC_SCHED_CRIT_UNIT),
                  "(a cycle of " + std::to_string(row.crit + row.clear) + " days) " +
                      (row.crit == 1 ? "Day" : "Days"));
    }
}

// A box left with a number it cannot use shows the number in use, and a
// balloon tip says why; what is stored does not change.
TEST_F(SchedulerPage, ABoxLeftWithANumberItCannotUseShowsTheNumberInUseAndSaysWhy)
{
    ASSERT_TRUE(host.Create());
    host.ShowWindow(SW_SHOW);
    StoreAndShow();
    const struct {
        int edit;
        const char *typed, *shown;
        long long crit, clear;
        const char* balloon;
    } table[] = {
        {IDC_SCHED_CRIT_EDIT, "0", "3", 3, 23,
         "Enter a number from 1 to 30. The number in use is 3."},
        {IDC_SCHED_CLEAR_EDIT, "95", "28", 3, 28,
         "Enter a number from 3 to 90. The number in use is 28."},
        {IDC_SCHED_CRIT_EDIT, "7", "7", 7, 28, ""},
        {IDC_SCHED_CLEAR_EDIT, "\b", "28", 7, 28,
         "Enter a number from 3 to 90. The number in use is 28."},
    };
    for (const auto& row : table) {
        ::SetFocus(Item(row.edit));
        TypeOver(row.edit, row.typed);
        ::SetFocus(Item(IDC_SCHED_TODAY));
        EXPECT_EQ(Text(row.edit) + " " + Balloon(), std::string(row.shown) + " " + row.balloon);
        EXPECT_EQ(Now(), (Stored{"2004 3 10 9 30 0", row.crit, row.clear})) << row.typed;
    }
}

} // namespace
