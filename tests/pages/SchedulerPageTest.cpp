// The Scheduler page inside a child property sheet of a small host window
// that stands in for the main window: what it shows, what each change of a
// control stores, and the refresh the host is asked for after every change.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "framework/PropertySheet.h"
#include "model/Settings.h"
#include "pages/MainWindowLink.h"
#include "pages/SchedulerPage.h"
#include "res/resource.h"
#include "tests/pages/PageHost.h"
#include "ui/HelpTopic.h"
#include "tests/support/HelpRecorder.h"

namespace {

// A stored DWORD setting, or -1 when the value does not exist.
long long StoredDword(const char* name)
{
    HKEY key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKeyPath().c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return -1;
    DWORD value = 0, size = sizeof(value), type = 0;
    LONG status =
        ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS && type == REG_DWORD ? static_cast<long long>(value) : -1;
}

// The three values as they were stored when the host was asked to refresh.
struct Snapshot {
    std::string start; // empty when not stored
    long long crit;
    long long clear;
};

Snapshot TakeSnapshot()
{
    Snapshot snapshot{"", StoredDword("CritDayCount"), StoredDword("ClearDayCount")};
    ReadSettingText(SettingStartDate, snapshot.start);
    return snapshot;
}

// Keeps what was stored at every refresh.
class Host : public PageHost<CDialogCritSched> {
public:
    std::vector<Snapshot> stored;

protected:
    void OnRefresh() override { stored.push_back(TakeSnapshot()); }
};

class SchedulerPage : public testing::Test {
protected:
    SchedulerPage() { fw::PinClock(kNow); }
    ~SchedulerPage() override { fw::UnpinClock(); }

    void Open()
    {
        ASSERT_TRUE(host.Create());
        ASSERT_TRUE(host.page.IsWindow());
    }
    // Stores a start date and the counts, then opens and loads the page.
    void OpenWithStored(DWORD crit, DWORD clear)
    {
        ASSERT_TRUE(WriteStartDate(SettingStartDate, kStored));
        ASSERT_TRUE(WriteSettingDword(SettingCritDayCount, crit));
        ASSERT_TRUE(WriteSettingDword(SettingClearDayCount, clear));
        Open();
        host.page.LoadFromSettings();
    }
    HWND Control(int id) const { return ::GetDlgItem(host.page.m_hWnd, id); }
    std::string Text(int id) const
    {
        char text[16] = {};
        ::GetWindowTextA(Control(id), text, sizeof(text));
        return text;
    }
    // Selects the whole edit and types the characters, as the keyboard does.
    void TypeOver(int id, const char* characters)
    {
        ::SendMessageA(Control(id), EM_SETSEL, 0, -1);
        for (const char* c = characters; *c; ++c)
            ::SendMessageA(Control(id), WM_CHAR, static_cast<WPARAM>(*c), 1);
    }
    COleDateTime Picker() const
    {
        SYSTEMTIME time{};
        ::SendMessageA(Control(IDC_SCHED_DATE), DTM_GETSYSTEMTIME, 0,
                       reinterpret_cast<LPARAM>(&time));
        return COleDateTime(time);
    }

    const COleDateTime kNow{2004, 5, 20, 10, 15, 30};
    const COleDateTime kStored{2004, 3, 10, 9, 30, 0};
    Host host;
};

} // namespace

TEST_F(SchedulerPage, OpensWithTheDefaultCountsAndStoresNothing)
{
    Open();
    EXPECT_EQ("3", Text(IDC_SCHED_CRIT_EDIT));
    EXPECT_EQ("28", Text(IDC_SCHED_CLEAR_EDIT));
    int low = 0, high = 0;
    ::SendMessageA(Control(IDC_SCHED_CRIT_SPIN), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                   reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(1, low);
    EXPECT_EQ(30, high);
    ::SendMessageA(Control(IDC_SCHED_CLEAR_SPIN), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                   reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(3, low);
    EXPECT_EQ(90, high);
    EXPECT_EQ(2, ::SendMessageA(Control(IDC_SCHED_CRIT_EDIT), EM_GETLIMITTEXT, 0, 0));
    EXPECT_EQ(2, ::SendMessageA(Control(IDC_SCHED_CLEAR_EDIT), EM_GETLIMITTEXT, 0, 0));

    EXPECT_TRUE(host.stored.empty());
    Snapshot stored = TakeSnapshot();
    EXPECT_EQ("", stored.start);
    EXPECT_EQ(-1, stored.crit);
    EXPECT_EQ(-1, stored.clear);
}

TEST_F(SchedulerPage, StoredValuesAreShownAndNotWrittenAgain)
{
    host.page.LoadFromSettings(); // before the page window exists: nothing
    OpenWithStored(5, 23);
    EXPECT_EQ("5", Text(IDC_SCHED_CRIT_EDIT));
    EXPECT_EQ("23", Text(IDC_SCHED_CLEAR_EDIT));
    EXPECT_EQ(kStored, Picker());
    EXPECT_TRUE(host.stored.empty());
    EXPECT_EQ(5, StoredDword("CritDayCount"));
    EXPECT_EQ(23, StoredDword("ClearDayCount"));
}

TEST_F(SchedulerPage, WithoutAStoredDateThePickerShowsTheCurrentTime)
{
    Open();
    host.page.LoadFromSettings();
    EXPECT_EQ(kNow, Picker());
    EXPECT_TRUE(host.stored.empty());
}

TEST_F(SchedulerPage, TypingOverACountStoresAllThreeAndRefreshesAfterEachChange)
{
    OpenWithStored(5, 23);
    TypeOver(IDC_SCHED_CRIT_EDIT, "15");
    ASSERT_EQ(2u, host.stored.size());
    EXPECT_EQ(1, host.stored[0].crit);
    EXPECT_EQ(15, host.stored[1].crit);
    for (const Snapshot& refresh : host.stored) {
        EXPECT_EQ("2004 3 10 9 30 0", refresh.start);
        EXPECT_EQ(23, refresh.clear);
    }
}

TEST_F(SchedulerPage, OutOfRangeCountsStoreTheDefaults)
{
    OpenWithStored(5, 23);
    TypeOver(IDC_SCHED_CRIT_EDIT, "45");
    EXPECT_EQ(3, StoredDword("CritDayCount"));
    EXPECT_EQ("45", Text(IDC_SCHED_CRIT_EDIT)); // the edit keeps what was typed
    TypeOver(IDC_SCHED_CRIT_EDIT, "0");
    EXPECT_EQ(3, StoredDword("CritDayCount"));
    TypeOver(IDC_SCHED_CRIT_EDIT, "30");
    EXPECT_EQ(30, StoredDword("CritDayCount"));

    TypeOver(IDC_SCHED_CLEAR_EDIT, "2");
    EXPECT_EQ(28, StoredDword("ClearDayCount"));
    TypeOver(IDC_SCHED_CLEAR_EDIT, "91");
    EXPECT_EQ(28, StoredDword("ClearDayCount"));
    TypeOver(IDC_SCHED_CLEAR_EDIT, "90");
    EXPECT_EQ(90, StoredDword("ClearDayCount"));
    EXPECT_EQ(30, StoredDword("CritDayCount"));
}

TEST_F(SchedulerPage, EmptyingACountStoresTheDefault)
{
    OpenWithStored(5, 40);
    TypeOver(IDC_SCHED_CLEAR_EDIT, "\b");
    EXPECT_EQ("", Text(IDC_SCHED_CLEAR_EDIT));
    EXPECT_EQ(28, StoredDword("ClearDayCount"));
    EXPECT_EQ(5, StoredDword("CritDayCount"));
    TypeOver(IDC_SCHED_CRIT_EDIT, "\b");
    EXPECT_EQ(3, StoredDword("CritDayCount"));
    EXPECT_EQ(2u, host.stored.size());
}

TEST_F(SchedulerPage, OnlyTwoDigitsCanBeTyped)
{
    OpenWithStored(5, 23);
    TypeOver(IDC_SCHED_CRIT_EDIT, "123");
    EXPECT_EQ("12", Text(IDC_SCHED_CRIT_EDIT));
    EXPECT_EQ(12, StoredDword("CritDayCount"));
    TypeOver(IDC_SCHED_CLEAR_EDIT, "4x56");
    EXPECT_EQ("45", Text(IDC_SCHED_CLEAR_EDIT));
    EXPECT_EQ(45, StoredDword("ClearDayCount"));
    EXPECT_EQ(12, StoredDword("CritDayCount"));
}

TEST_F(SchedulerPage, TodayStoresTheCurrentTimeWithBothCountsOnce)
{
    Open(); // nothing stored yet
    ::SendMessageA(Control(IDC_SCHED_TODAY), BM_CLICK, 0, 0);
    EXPECT_EQ(kNow, Picker());
    ASSERT_EQ(1u, host.stored.size());
    EXPECT_EQ("2004 5 20 10 15 30", host.stored[0].start);
    EXPECT_EQ(3, host.stored[0].crit);
    EXPECT_EQ(28, host.stored[0].clear);
}

TEST_F(SchedulerPage, ChangingThePickerByKeyboardStoresItsValue)
{
    OpenWithStored(5, 23);
    HWND picker = Control(IDC_SCHED_DATE);
    ::SetFocus(picker);
    ::SendMessageA(picker, WM_KEYDOWN, VK_RIGHT, 0);
    ::SendMessageA(picker, WM_KEYDOWN, VK_UP, 0);
    COleDateTime shown = Picker();
    EXPECT_NE(kStored, shown);
    ASSERT_EQ(1u, host.stored.size());
    COleDateTime stored;
    EXPECT_TRUE(ReadStartDate(SettingStartDate, stored));
    EXPECT_EQ(shown, stored);
    EXPECT_EQ(5, host.stored[0].crit);
    EXPECT_EQ(23, host.stored[0].clear);
}

TEST_F(SchedulerPage, ShownValuesFromElsewhereAreNotStoredAgain)
{
    OpenWithStored(5, 23);
    const COleDateTime chosen(2004, 1, 2, 8, 0, 0);
    host.page.ShowValues(chosen, 7, 40);
    EXPECT_EQ("7", Text(IDC_SCHED_CRIT_EDIT));
    EXPECT_EQ("40", Text(IDC_SCHED_CLEAR_EDIT));
    EXPECT_EQ(chosen, Picker());
    EXPECT_TRUE(host.stored.empty());
    EXPECT_EQ(5, StoredDword("CritDayCount"));
    // The page is live again afterwards.
    TypeOver(IDC_SCHED_CRIT_EDIT, "8");
    EXPECT_EQ(8, StoredDword("CritDayCount"));
    EXPECT_EQ(40, StoredDword("ClearDayCount"));
}

TEST_F(SchedulerPage, F1AsksForTheSchedulerTopicOnTheKeyGoingDownAndUp)
{
    Open();
    testing_support::HelpTopicRecorder help;
    HWND edit = Control(IDC_SCHED_CRIT_EDIT);
    MSG down{edit, WM_KEYDOWN, VK_F1, 1, 0, {}};
    MSG up{edit, WM_KEYUP, VK_F1, 0xC0000001, 0, {}};
    EXPECT_TRUE(host.page.PreTranslateMessage(&down));
    EXPECT_TRUE(host.page.PreTranslateMessage(&up));
    MSG other{edit, WM_KEYDOWN, VK_F2, 1, 0, {}};
    EXPECT_FALSE(host.page.PreTranslateMessage(&other));
    EXPECT_EQ("sched;sched;", help.Topics());
}

TEST(UsableCount, KeepsCountsInsideTheRangeAndReplacesEverythingElse)
{
    EXPECT_EQ(1, UsableCount(1, kCritDayRule));
    EXPECT_EQ(30, UsableCount(30, kCritDayRule));
    EXPECT_EQ(3, UsableCount(31, kCritDayRule));
    EXPECT_EQ(3, UsableCount(0, kCritDayRule));
    EXPECT_EQ(3, UsableCount(-5, kCritDayRule));
    EXPECT_EQ(3, UsableCount(0x10000 + 5, kCritDayRule)); // a failed spin query
    EXPECT_EQ(28, UsableCount(2, kClearDayRule));
    EXPECT_EQ(3, UsableCount(3, kClearDayRule));
    EXPECT_EQ(90, UsableCount(90, kClearDayRule));
    EXPECT_EQ(28, UsableCount(91, kClearDayRule));
}
