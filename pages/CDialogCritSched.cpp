#include "pages/CDialogCritSched.h"

#include "framework/WindowText.h"
#include "lang/LanguageManager.h"
#include "model/PeriodRecord.h"
#include "model/Settings.h"
#include "pages/MainWindowLink.h"
#include "res/resource.h"

namespace {
constexpr int kTextLimit = 2;     // characters of either count edit
const char kDayUnitOne[] = "Day"; // the units' English form for one
const UINT kTranslatedMessage = LanguageManager::TranslatedMessage();
} // namespace

BEGIN_MESSAGE_MAP(CDialogCritSched, CFramedPage)
ON_BN_CLICKED(IDC_SCHED_TODAY, OnToday)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_SCHED_DATE, OnDateTimeChange)
ON_NOTIFY(DTN_CLOSEUP, IDC_SCHED_DATE, OnDateLeft)
ON_NOTIFY(NM_KILLFOCUS, IDC_SCHED_DATE, OnDateLeft)
ON_EN_CHANGE(IDC_SCHED_CRIT_EDIT, OnCountChange)
ON_EN_CHANGE(IDC_SCHED_CLEAR_EDIT, OnCountChange)
ON_CONTROL(EN_KILLFOCUS, IDC_SCHED_CRIT_EDIT, OnCritLeft)
ON_CONTROL(EN_KILLFOCUS, IDC_SCHED_CLEAR_EDIT, OnClearLeft)
ON_NOTIFY(UDN_DELTAPOS, IDC_SCHED_CRIT_SPIN, OnSpinStep)
ON_NOTIFY(UDN_DELTAPOS, IDC_SCHED_CLEAR_SPIN, OnSpinStep)
ON_WM_TIMER()
ON_REGISTERED_MESSAGE(kTranslatedMessage, OnTranslated)
END_MESSAGE_MAP()

CDialogCritSched::CDialogCritSched(const fw::Clock& clock, HelpOpener& help,
                                   const LanguageManager& texts, SettingsStore& settings)
    : CFramedPage(IDD_SCHEDULER, {"sched", 48, 84, 0}, help), clock_(clock), texts_(texts),
      settings_(settings), critUnit_(texts, IDC_SCHED_CRIT_UNIT, kDayUnitOne),
      clearUnit_(texts, IDC_SCHED_CLEAR_UNIT, kDayUnitOne),
      counts_(texts,
              {{critSpin_, critEdit_, kCritDayRule}, {clearSpin_, clearEdit_, kClearDayRule}}),
      stored_(settings.Root())
{
}

void CDialogCritSched::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_SCHED_CRIT_SPIN, critSpin_);
    DDX_Control(exchange, IDC_SCHED_CLEAR_SPIN, clearSpin_);
    DDX_Control(exchange, IDC_SCHED_CRIT_EDIT, critEdit_);
    DDX_Control(exchange, IDC_SCHED_CLEAR_EDIT, clearEdit_);
    DDX_Control(exchange, IDC_SCHED_DATE, date_);
    DDX_Control(exchange, IDC_SCHED_TODAY, today_);
}

BOOL CDialogCritSched::OnInitDialog()
{
    CFramedPage::OnInitDialog();
    LanguageManager::ExcludeFromTranslation(GetDlgItem(IDC_SCHED_CYCLE_HINT));
    critUnit_.Attach(m_hWnd);
    clearUnit_.Attach(m_hWnd);
    // Setting a position rewrites the buddy edit, which reports a change:
    // the loading flag keeps these defaults out of the settings.
    critSpin_.SetRange(kCritDayRule.lowest, kCritDayRule.highest);
    critSpin_.SetPos(kCritDayRule.fallback);
    critEdit_.SetLimitText(kTextLimit);
    clearSpin_.SetRange(kClearDayRule.lowest, kClearDayRule.highest);
    clearSpin_.SetPos(kClearDayRule.fallback);
    clearEdit_.SetLimitText(kTextLimit);
    ShowCountTexts();
    counts_.Loaded();
    return TRUE;
}

BOOL CDialogCritSched::OnSetActive()
{
    LoadFromSettings();
    return CFramedPage::OnSetActive();
}

BOOL CDialogCritSched::OnKillActive()
{
    Settle();
    return CFramedPage::OnKillActive();
}

void CDialogCritSched::LoadFromSettings()
{
    if (!IsWindow())
        return;
    Settle(); // what she entered goes first
    if (ShowsStoredValues())
        return;
    COleDateTime start;
    const SettingsReader settings(settings_);
    const bool stored = settings.ReadStartDate(clock_.Now(), start);
    if (!stored)
        start = clock_.Now(); // offered, not stored
    ShowValues(start, static_cast<int>(settings.ReadDword(SettingCritDayCount)),
               static_cast<int>(settings.ReadDword(SettingClearDayCount)));
    hasDate_ = stored;
    showsStored_ = true;
}

// Nothing was stored since the page read the settings (nor shown since from
// elsewhere), and the day it offers while none is stored is still today: it
// shows what is stored now.
bool CDialogCritSched::ShowsStoredValues()
{
    const bool changed = stored_.Changed(); // watched again before a reading
    if (changed || !showsStored_)
        return false;
    COleDateTime shown;
    return hasDate_ || (date_.GetTime(shown) && DayOf(shown) == DayOf(clock_.Now()));
}

void CDialogCritSched::ShowValues(const COleDateTime& start, int critDays, int clearDays)
{
    if (!IsWindow())
        return;
    {
        const CountSettler::Loading loading(counts_);
        date_.SetTime(start);
        critSpin_.SetPos(LOWORD(critDays));
        clearSpin_.SetPos(LOWORD(clearDays));
    }
    hasDate_ = true;
    showsStored_ = false; // until the settings are read again
}

void CDialogCritSched::Settle()
{
    if (counts_.Take(m_hWnd))
        SaveToSettings();
}

// A first day other than the one stored before is recorded, with the counts
// now stored.
void CDialogCritSched::SaveToSettings()
{
    COleDateTime start, before;
    if (!settings_.ReadStartDate(clock_.Now(), before))
        before.SetStatus(COleDateTime::invalid);
    const bool hasStart = hasDate_ && date_.GetTime(start);
    const bool newDay =
        hasStart && (before.GetStatus() != COleDateTime::valid || DayOf(before) != DayOf(start));
    if (hasStart)
        settings_.WriteStartDate(start);
    settings_.WriteDword(SettingCritDayCount,
                         static_cast<DWORD>(CountInUse(critSpin_, kCritDayRule)));
    settings_.WriteDword(SettingClearDayCount,
                         static_cast<DWORD>(CountInUse(clearSpin_, kClearDayRule)));
    if (newDay)
        RecordStoredFirstDay(settings_, start, before, clock_.Now());
    if (MainWindowLink* main = MainWindowOf(this))
        main->RefreshCycleState();
}

void CDialogCritSched::ShowCountTexts()
{
    if (!IsWindow())
        return;
    const int critDays = CountInUse(critSpin_, kCritDayRule);
    const int clearDays = CountInUse(clearSpin_, kClearDayRule);
    critUnit_.Show(critDays);
    clearUnit_.Show(clearDays);
    fw::SetWindowText(GetDlgItem(IDC_SCHED_CYCLE_HINT), CycleHint(texts_, critDays, clearDays));
}

LRESULT CDialogCritSched::OnTranslated(WPARAM, LPARAM section)
{
    const CString& translatedAs = *reinterpret_cast<const CString*>(section);
    critUnit_.Translated(translatedAs);
    clearUnit_.Translated(translatedAs);
    ShowCountTexts();
    return 0;
}

// Every keystroke and arrow step: the units and the hint follow what the
// boxes give; the change is stored once it has settled.
void CDialogCritSched::OnCountChange()
{
    ShowCountTexts();
    counts_.Changed(m_hWnd);
}

// (Not while the page is hidden or being destroyed: the window's end stores
// what waits itself.)
void CDialogCritSched::OnCritLeft()
{
    if (counts_.Left(m_hWnd, 0))
        Settle();
}

void CDialogCritSched::OnClearLeft()
{
    if (counts_.Left(m_hWnd, 1))
        Settle();
}

void CDialogCritSched::OnTimer(UINT_PTR id)
{
    if (!CountSettler::IsPauseTimer(id))
        Default();
    else if (counts_.PauseEnded(m_hWnd))
        Settle();
}

void CDialogCritSched::OnToday()
{
    // Setting the picker from code raises no change notification.
    date_.SetTime(clock_.Now());
    hasDate_ = true;
    counts_.Begin(m_hWnd);
    Settle();
}

void CDialogCritSched::OnDateTimeChange(NMHDR*, LRESULT* result)
{
    if (!counts_.IsLoading()) {
        hasDate_ = true;
        counts_.Begin(m_hWnd);
    }
    *result = 0;
}

// The picker's calendar closed on a day, or the picker was left.
void CDialogCritSched::OnDateLeft(NMHDR*, LRESULT* result)
{
    Settle();
    *result = 0;
}
