// Her record from the main window: "My period started today" (the icon's
// menu and the Monitor page), the History dialog, the suggested cycle taken or
// dismissed, and the export of her dates to a calendar file she places with
// Windows' own save dialog.
#include "app/MainDialog.h"

#include <commdlg.h>

#include <string>

#include "calendar/HistoryDialog.h"
#include "framework/TextCodec.h"
#include "lang/ProgramTexts.h"
#include "model/CalendarExport.h"
#include "model/CycleSuggestion.h"
#include "model/PeriodRecord.h"

namespace {

// The file she chooses, "Velindra.ics" offered; empty when she cancels.
std::wstring ChooseCalendarFile(HWND owner, const LanguageManager& texts)
{
    // The filter: the type's name, its pattern, and an empty pair at the end.
    std::wstring filter = fw::Wide(texts.Format(TextId::ExportFileType));
    filter.push_back(L'\0');
    filter += L"*.ics";
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    wchar_t path[MAX_PATH] = L"Velindra.ics";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = L"ics";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOREADONLYRETURN | OFN_EXPLORER |
                   OFN_HIDEREADONLY;
    return ::GetSaveFileNameW(&dialog) ? std::wstring(path) : std::wstring();
}

} // namespace

// As a settled change of the Scheduler page: what the page still holds goes
// first, and the page shows the new first day.
void MainDialog::OnStartedToday()
{
    scheduler_.Settle();
    StartPeriodToday(settings_, clock_.Now());
    scheduler_.LoadFromSettings();
    RefreshCycleState();
}

void MainDialog::OnHistory()
{
    scheduler_.Settle();
    HistoryDialog dialog(help_, language_, settings_, this);
    dialog.DoModal();
    if (dialog.Changed())
        RefreshCycleState();
}

void MainDialog::OnUseSuggestion()
{
    scheduler_.Settle();
    if (AcceptSuggestion(settings_, StoredSuggestion(settings_, stored_)))
        scheduler_.LoadFromSettings();
    RefreshCycleState();
}

void MainDialog::OnDismissSuggestion()
{
    DismissSuggestion(settings_);
    monitor_.ShowSuggestion();
}

// A file that cannot be written stays as it was (nothing half written).
void MainDialog::OnExport()
{
    scheduler_.Settle();
    CalendarExport input;
    if (!ReadCalendarExport(settings_, stored_, language_.Format(TextId::ExportSummary), clock_,
                            input))
        return;
    const std::string text = ICalendarText(input);
    const std::wstring path = text.empty() ? std::wstring() : ChooseCalendarFile(m_hWnd, language_);
    if (!path.empty())
        SaveCalendarFile(path, text);
}
