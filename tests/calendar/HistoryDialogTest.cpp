// The History dialog's Remove on the entry selected, the first one too. (The
// list's rows and the calendars marked afresh: tests/app.)
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "calendar/HistoryDialog.h"
#include "lang/LanguageManager.h"
#include "model/PeriodRecord.h"
#include "model/Settings.h"
#include "res/resource.h"
#include "tests/support/HelpRecorder.h"

namespace {

TEST(HistoryDialog, RemoveTakesOutTheSelectedEntryTheFirstToo)
{
    ASSERT_TRUE(WriteSettingText(SettingPeriodRecord, "2004-03-20 5 30;2004-04-28 5 30"));
    testing_support::HelpTopicRecorder help;
    const LanguageManager texts;
    HistoryDialog dialog(help, texts);
    ASSERT_TRUE(dialog.Create());
    LVITEMW select{};
    select.stateMask = select.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendDlgItemMessageW(dialog.m_hWnd, IDC_HIST_LIST, LVM_SETITEMSTATE, 0,
                          reinterpret_cast<LPARAM>(&select));
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, IDC_HIST_REMOVE, 0);
    EXPECT_TRUE(dialog.Changed());
    ASSERT_EQ(ReadPeriodRecord().size(), 1u);
    EXPECT_EQ(dialog.Rows().at(0).firstDay, COleDateTime(2004, 4, 28, 0, 0, 0));
}

} // namespace
