#include "tests/app/BuiltTexts.h"

#include <commctrl.h>

#include "app/StandingTexts.h"
#include "calendar/MonthCalendarCtrl.h"
#include "framework/Dpi.h"
#include "framework/Gdi.h"
#include "lang/LanguageManager.h"
#include "lang/ProgramTexts.h"
#include "model/CycleCountRule.h"
#include "model/CycleSuggestion.h"
#include "pages/CountBox.h"
#include "res/resource.h"
#include "tests/support/LayoutCheck.h"
#include "ui/Drawing.h"

namespace main_window_testing {
namespace {

// A visible window inside the window (its pages too) with the id.
HWND Find(HWND window, int id)
{
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    ::EnumChildWindows(
        window,
        [](HWND child, LPARAM data) {
            auto& s = *reinterpret_cast<Search*>(data);
            if (::GetDlgCtrlID(child) == s.id && ::IsWindowVisible(child))
                s.found = child;
            return s.found ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int Width(HFONT font, const std::string& text)
{
    return GetTextWidth(font, text);
}

// The day of 2004 whose name in the texts (weekday and date) is widest in
// the font: every month with every weekday and a two-digit day.
COleDateTime WidestNamedDay(const LanguageManager& language, HFONT font)
{
    COleDateTime widest(2004, 1, 22, 0, 0, 0);
    for (int month = 1; month <= 12; ++month)
        for (int day = 22; day <= 28; ++day) {
            const COleDateTime date(2004, month, day, 0, 0, 0);
            if (Width(font, NamedDay(language, date)) > Width(font, NamedDay(language, widest)))
                widest = date;
        }
    return widest;
}

void CheckStatusLine(const LanguageManager& language, HWND window, const std::string& name,
                     std::vector<std::string>& faults)
{
    const HWND line = Find(window, IDC_MON_STATUS);
    if (!line)
        return faults.push_back(name + ": no Monitor line");
    DayStanding standing;
    standing.kind = DayStanding::NoFirstDay;
    std::vector<std::string> texts{StatusText(language, standing)};
    standing.kind = DayStanding::Critical;
    for (standing.periodLength = 1; standing.periodLength <= kCritDayRule.highest;
         ++standing.periodLength)
        for (standing.dayOfPeriod = 1; standing.dayOfPeriod <= standing.periodLength;
             ++standing.dayOfPeriod)
            texts.push_back(StatusText(language, standing));
    standing.kind = DayStanding::Clear;
    standing.hasNext = true;
    standing.nextStart = WidestNamedDay(language, HFONT(::SendMessageW(line, WM_GETFONT, 0, 0)));
    for (standing.daysUntil = 1; standing.daysUntil <= kClearDayRule.highest; ++standing.daysUntil)
        texts.push_back(StatusText(language, standing)); // 1: "tomorrow"
    testing_support::CheckTextsFit(line, texts, name, faults);
}

// The offer of a suggested cycle, hidden while there is none: every count of
// cycles it is made of, with a cycle of two and of three digits.
void CheckSuggestionLine(const LanguageManager& language, HWND window, const std::string& name,
                         std::vector<std::string>& faults)
{
    const HWND line = ::GetDlgItem(::GetParent(Find(window, IDC_MON_STATUS)), IDC_MON_SUGGESTION);
    if (!line)
        return faults.push_back(name + ": no suggestion line");
    std::vector<std::string> texts;
    for (int cycles = kFewestSuggestedCycles; cycles <= kMostSuggestedCycles; ++cycles)
        for (int days : {88, kCritDayRule.highest + kClearDayRule.highest})
            texts.push_back(language.Format(TextId::CycleSuggestion, cycles,
                                            {std::to_string(cycles), std::to_string(days)}));
    testing_support::CheckTextsFit(line, texts, name, faults);
}

// Every month's band between the month buttons (if any), every weekday's
// name in its column, in the calendar's fonts.
void CheckCalendar(HWND window, const std::string& name, std::vector<std::string>& faults)
{
    auto* calendar = dynamic_cast<MonthCalendarCtrl*>(CWnd::FromHandlePermanent(window));
    if (!calendar)
        return faults.push_back(name + ": not a calendar");
    const fw::Dpi dpi(calendar->GetDpi());
    const int width = calendar->GetSize().cx;
    const int band = width - dpi(4) - (calendar->HasMonthButtons() ? 2 * dpi(29) : 0);
    const int column = (width - dpi(4)) / MonthCalendarCtrl::kColumns;
    CFont bold, normal;
    CreateShellFont(bold, dpi.Value(), FW_BOLD);
    CreateShellFont(normal, dpi.Value());
    for (int month = 1; month <= 12; ++month) {
        const std::string text = calendar->MonthBandText(COleDateTime(2004, month, 1, 0, 0, 0));
        if (Width(bold, text) > band)
            faults.push_back(name + ": the band \"" + text + "\" is wider than " +
                             std::to_string(band));
    }
    for (const std::string& weekday : calendar->WeekdayNames(nullptr, column))
        if (Width(normal, weekday) > column - dpi(2))
            faults.push_back(name + ": the weekday \"" + weekday + "\" is wider than its column");
}

void CheckCycleHint(const LanguageManager& language, HWND window, int id, const std::string& name,
                    std::vector<std::string>& faults)
{
    std::vector<std::string> texts;
    for (int clear = kClearDayRule.lowest; clear <= kClearDayRule.highest; ++clear)
        for (int crit : {kCritDayRule.lowest, kCritDayRule.highest})
            texts.push_back(CycleHint(language, crit, clear));
    if (const HWND hint = Find(window, id))
        testing_support::CheckTextsFit(hint, texts, name, faults);
    else
        faults.push_back(name + ": no cycle hint");
}

// Counts of every plural form of the shipped languages in a count box, the
// window's layout checked with each (the label beside the box follows it).
void CheckCounts(HWND window, int editId, const CycleCountRule& rule, const std::string& name,
                 std::vector<std::string>& faults)
{
    const HWND edit = Find(window, editId);
    if (!edit)
        return faults.push_back(name + ": no count box " + std::to_string(editId));
    const std::string kept = testing_support::TextOf(edit);
    for (int count : {1, 2, 3, 5, 11, 12, 21, 22, 25, 30, 90})
        if (count >= rule.lowest && count <= rule.highest) {
            ::SetWindowTextW(edit, std::to_wstring(count).c_str());
            ::SendMessageW(edit, EM_SETSEL, 0, -1); // the caret after it, as typed or stepped
            testing_support::CheckLayout(::GetParent(edit), name + " with " + std::to_string(count),
                                         faults);
        }
    ::SetWindowTextA(edit, kept.c_str());
}

} // namespace

WindowVisit BuiltTextCheck(const LanguageManager& language, std::vector<std::string>& faults)
{
    return [&language, &faults](const std::string& name, HWND window) {
        if (name == "main/monitor") {
            CheckStatusLine(language, window, name, faults);
            CheckSuggestionLine(language, window, name, faults);
            CheckCalendar(Find(window, IDC_MON_CALENDAR), name, faults);
        } else if (name == "halfyear") {
            for (int i = 0; i < 6; ++i)
                CheckCalendar(::GetDlgItem(window, IDC_HALF_CALENDAR0 + i), name, faults);
        } else if (name == "main/scheduler") {
            CheckCycleHint(language, window, IDC_SCHED_CYCLE_HINT, name, faults);
            CheckCounts(window, IDC_SCHED_CRIT_EDIT, kCritDayRule, name, faults);
            CheckCounts(window, IDC_SCHED_CLEAR_EDIT, kClearDayRule, name, faults);
        } else if (name == "main/options") {
            CheckCounts(window, IDC_OPT_REMIND_EDIT, kRemindDayRule, name, faults);
        } else if (name == "wizard/2") {
            CheckCounts(window, IDC_WIZ2_EDIT, kCritDayRule, name, faults);
        } else if (name == "wizard/3") {
            CheckCycleHint(language, window, IDC_WIZ3_CYCLE_HINT, name, faults);
            CheckCounts(window, IDC_WIZ3_EDIT, kClearDayRule, name, faults);
        }
    };
}

} // namespace main_window_testing
