// What the windows add to her record: the History dialog lists the stored
// record and removes an entry (the calendars marked afresh once it closes),
// and the Monitor page offers a suggested cycle only while there is one.
// The rules themselves are tested in tests/model.
#include "tests/app/MainWindowFixture.h"

#include <commctrl.h>

#include "framework/TextCodec.h"
#include "model/PeriodRecord.h"
#include "tests/support/AccessibleClient.h"

using namespace main_window_testing;

namespace {

using RecordWindowsTest = MainWindowEnvironment;

// The list's rows, "<first day>|<period>|<cycle>" each, one per line.
std::string ListRows(HWND dialog)
{
    HWND list = ::GetDlgItem(dialog, IDC_HIST_LIST);
    std::string rows;
    for (int row = 0; row < ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0); ++row)
        for (int column = 0; column < 3; ++column) {
            wchar_t text[128] = {};
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = text;
            item.cchTextMax = 128;
            ::SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
            rows += fw::Utf8(text) + (column < 2 ? "|" : "\n");
        }
    return rows;
}

std::string Row(int month, int day, const char* counts)
{
    return testing_support::DateText(COleDateTime(2004, month, day, 0, 0, 0), DATE_LONGDATE) +
           counts + "\n";
}

// First days 20 March and 28 April 2004 recorded before the stored one (20
// May, today): the period of 28 April replaces the one the March day
// foretold for 24 April. Removing 28 April brings that one back; removing
// the first entry then leaves none before the stored day.
TEST_F(RecordWindowsTest, HistoryListsTheRecordAndRemovesTheSelectedEntry)
{
    StoreSampleCycle();
    store.WriteStartDate(COleDateTime(2004, 5, 20, 8, 0, 0));
    store.WriteText(SettingPeriodRecord, "2004-03-20 5 30;2004-04-28 5 30;2004-05-20 5 30");
    CreateMain();
    main->ShowMainWindow(MainDialog::PageMonitor);
    const COleDateTime april30(2004, 4, 30, 0, 0, 0), april26(2004, 4, 26, 0, 0, 0);
    EXPECT_TRUE(main->Monitor().IsCriticalDay(april30) && !main->Monitor().IsCriticalDay(april26));
    std::string before, after, last;
    bool removeAtFirst = true;
    auto remove = [](HWND dialog, int entry) {
        LVITEMW select{};
        select.stateMask = select.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendDlgItemMessageW(dialog, IDC_HIST_LIST, LVM_SETITEMSTATE, entry,
                              reinterpret_cast<LPARAM>(&select));
        Click(dialog, IDC_HIST_REMOVE);
        return ListRows(dialog);
    };
    {
        ModalScript script(IDC_HIST_LIST,
                           {[&](HWND dialog) {
                                before = ListRows(dialog);
                                removeAtFirst =
                                    ::IsWindowEnabled(::GetDlgItem(dialog, IDC_HIST_REMOVE));
                                after = remove(dialog, 1);
                                EXPECT_TRUE(main->Monitor().IsCriticalDay(april30)) << "not yet";
                                last = remove(dialog, 0);
                            },
                            [](HWND dialog) { Click(dialog, IDC_HIST_CLOSE); }});
        Click(main->Monitor().m_hWnd, IDC_MON_HISTORY);
        EXPECT_EQ(script.Seen(), 1);
    }
    EXPECT_FALSE(removeAtFirst) << "Remove without a selection";
    EXPECT_EQ(before, Row(3, 20, "|5|39") + Row(4, 28, "|5|22") + Row(5, 20, "|5|"));
    EXPECT_EQ(after, Row(3, 20, "|5|61") + Row(5, 20, "|5|"));
    EXPECT_EQ(last, Row(5, 20, "|5|"));
    EXPECT_EQ(ReadPeriodRecord(store).size(), 1u);
    EXPECT_TRUE(!main->Monitor().IsCriticalDay(april30) && !main->Monitor().IsCriticalDay(april26));
}

// Three recorded cycles of 31 days against a cycle of 35 in force: the offer
// shows; Use stores 31 - 5 clear days and the offer goes; offered again, it
// stays away once dismissed.
TEST_F(RecordWindowsTest, TheSuggestionShowsWhileThereIsOneAndGoesWithUseOrDismiss)
{
    StoreSampleCycle();
    store.WriteStartDate(COleDateTime(2004, 5, 11, 8, 0, 0));
    store.WriteText(SettingPeriodRecord,
                    "2004-02-08 5 30;2004-03-10 5 30;2004-04-10 5 30;2004-05-11 5 30");
    CreateMain();
    main->ShowMainWindow(MainDialog::PageMonitor);
    const HWND page = main->Monitor().m_hWnd;
    auto shown = [&] {
        char text[256] = {};
        ::GetDlgItemTextA(page, IDC_MON_SUGGESTION, text, sizeof(text));
        std::string state;
        for (int id : {IDC_MON_SUGGESTION, IDC_MON_USE, IDC_MON_DISMISS})
            state += ::IsWindowVisible(::GetDlgItem(page, id)) ? "+" : "-";
        return state + text;
    };
    const std::string offer = "+++Your last 3 cycles had a median of 31 days. Use 31?";
    EXPECT_EQ(shown(), offer);
    Click(page, IDC_MON_USE);
    EXPECT_EQ(shown(), "---");
    EXPECT_EQ(store.ReadDword(SettingClearDayCount), 26u);

    store.WriteDword(SettingClearDayCount, 30);
    main->RefreshCycleState();
    EXPECT_EQ(shown(), offer);
    Click(page, IDC_MON_DISMISS);
    main->RefreshCycleState();
    EXPECT_EQ(shown(), "---");
    EXPECT_EQ(store.ReadDword(SettingClearDayCount), 30u);
}

} // namespace
