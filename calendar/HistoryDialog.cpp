#include "calendar/HistoryDialog.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "framework/DateFormat.h"
#include "framework/TextCodec.h"
#include "lang/LanguageManager.h"
#include "res/resource.h"
#include "ui/DialogLayout.h"
#include "ui/HelpTopic.h"

namespace {

// The headings in English; the language file translates them
// ("[DialogID_150 - ListCtrlID_1250]", ID_1000 to ID_1002).
const char* const kHeadings[] = {"First day", "Period (days)", "Cycle (days)"};
constexpr int kColumns = 3;

LRESULT List(HWND dialog, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendDlgItemMessageW(dialog, IDC_HIST_LIST, message, wParam, lParam);
}

std::wstring LongDate(const COleDateTime& day)
{
    SYSTEMTIME time{};
    return day.GetAsSystemTime(time) ? fw::Wide(fw::FormatDate(time, L"", DATE_LONGDATE))
                                     : std::wstring();
}

void SetCell(HWND dialog, int row, int column, const std::wstring& text)
{
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    List(dialog, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
         reinterpret_cast<LPARAM>(&item));
}

} // namespace

HistoryDialog::HistoryDialog(HelpOpener& help, const LanguageManager& texts,
                             SettingsStore& settings, CWnd* parent)
    : CDialog(IDD_HISTORY, parent), help_(help), texts_(texts), settings_(settings)
{
}

BEGIN_MESSAGE_MAP(HistoryDialog, CDialog)
ON_COMMAND(IDC_HIST_REMOVE, OnRemove)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_HIST_LIST, OnItemChanged)
END_MESSAGE_MAP()

BOOL HistoryDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    List(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    AddColumns();
    // Translated while the list holds its headings alone: the dates are no texts.
    CString section;
    texts_.TranslateDialog(true, true, this, IDD_HISTORY, 0, section);
    Fill(-1);
    return TRUE;
}

void HistoryDialog::AddColumns()
{
    for (int column = 0; column < kColumns; ++column) {
        std::wstring heading = fw::Wide(kHeadings[column]);
        LVCOLUMNW item{};
        item.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM;
        item.fmt = column == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT;
        item.pszText = heading.data();
        item.iSubItem = column;
        List(m_hWnd, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
             reinterpret_cast<LPARAM>(&item));
    }
}

void HistoryDialog::Fill(int select)
{
    rows_ = HistoryRows(ReadPeriodRecord(settings_));
    List(m_hWnd, LVM_DELETEALLITEMS);
    for (size_t i = 0; i < rows_.size(); ++i) {
        const int row = static_cast<int>(i);
        SetCell(m_hWnd, row, 0, LongDate(rows_[i].firstDay));
        SetCell(m_hWnd, row, 1, std::to_wstring(rows_[i].periodLength));
        SetCell(m_hWnd, row, 2, rows_[i].cycleDays > 0 ? std::to_wstring(rows_[i].cycleDays) : L"");
    }
    FitColumns();
    const int count = static_cast<int>(rows_.size());
    select = std::min(select, count - 1);
    if (select >= 0) {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        List(m_hWnd, LVM_SETITEMSTATE, static_cast<WPARAM>(select),
             reinterpret_cast<LPARAM>(&state));
        List(m_hWnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(select), FALSE);
    }
    ::EnableWindow(GetDlgItem(IDC_HIST_REMOVE), Selected() >= 0);
}

// Each column as wide as its heading or its widest cell.
void HistoryDialog::FitColumns()
{
    const int margin = layout::DialogUnitsX(m_hWnd, 12); // the heading's padding and divider
    for (int column = 0; column < kColumns; ++column) {
        wchar_t heading[128] = {};
        LVCOLUMNW item{};
        item.mask = LVCF_TEXT;
        item.pszText = heading;
        item.cchTextMax = 128;
        List(m_hWnd, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
        const LRESULT headingWidth =
            List(m_hWnd, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(heading)) + margin;
        List(m_hWnd, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), LVSCW_AUTOSIZE);
        if (List(m_hWnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)) < headingWidth)
            List(m_hWnd, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), headingWidth);
    }
}

int HistoryDialog::Selected() const
{
    return static_cast<int>(List(m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void HistoryDialog::OnRemove()
{
    const int selected = Selected();
    if (selected < 0 || selected >= static_cast<int>(rows_.size()))
        return;
    if (RemoveStoredFirstDay(settings_, rows_[static_cast<size_t>(selected)].firstDay))
        changed_ = true;
    Fill(selected);
    // Remove may have become disabled: the focus goes to the list.
    if (!::IsWindowEnabled(GetDlgItem(IDC_HIST_REMOVE)))
        ::SetFocus(GetDlgItem(IDC_HIST_LIST));
}

void HistoryDialog::OnItemChanged(NMHDR*, LRESULT* result)
{
    ::EnableWindow(GetDlgItem(IDC_HIST_REMOVE), Selected() >= 0);
    *result = 0;
}

BOOL HistoryDialog::PreTranslateMessage(MSG* message)
{
    if (IsHelpKey(message)) {
        help_.OpenTopic("history");
        return TRUE;
    }
    return CDialog::PreTranslateMessage(message);
}
