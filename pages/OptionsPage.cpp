#include "pages/OptionsPage.h"

#include "lang/LanguageFiles.h"
#include "lang/LanguageManager.h"
#include "lang/LanguageName.h"
#include "lang/LanguageOwner.h"
#include "lang/ModulePath.h"
#include "model/Settings.h"
#include "pages/MainWindowLink.h"
#include "res/resource.h"

namespace {

const char kEnglish[] = "english";

} // namespace

BEGIN_MESSAGE_MAP(CDialogCritOpt, CFramedPage)
ON_BN_CLICKED(IDC_OPT_AUTOLOAD, OnAutoload)
ON_BN_CLICKED(IDC_OPT_CRITRED, OnCritRed)
ON_CBN_SELCHANGE(IDC_OPT_LANGUAGE, OnLanguageChange)
ON_BN_CLICKED(IDC_OPT_REMIND, OnRemind)
ON_EN_CHANGE(IDC_OPT_REMIND_EDIT, OnRemindDaysChange)
ON_CONTROL(EN_KILLFOCUS, IDC_OPT_REMIND_EDIT, OnRemindDaysLeft)
ON_BN_CLICKED(IDC_OPT_AUTOLOAD_OFFER, OnStartWithWindows)
ON_NOTIFY(UDN_DELTAPOS, IDC_OPT_REMIND_SPIN, OnSpinStep)
ON_WM_TIMER()
END_MESSAGE_MAP()

CDialogCritOpt::CDialogCritOpt() : CFramedPage(IDD_OPTIONS, {"opt", 75, 0, 0}) {}

void CDialogCritOpt::DoDataExchange(CDataExchange* exchange)
{
    CFramedPage::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_OPT_DATE, date_);
    DDX_Control(exchange, IDC_OPT_TRANSLATOR, translator_);
    DDX_Control(exchange, IDC_OPT_CONTACT, contact_);
    DDX_Control(exchange, IDC_OPT_CRITRED, critRed_);
    DDX_Control(exchange, IDC_OPT_AUTOLOAD, autoload_);
    DDX_Control(exchange, IDC_OPT_LANGUAGE, language_);
    DDX_Control(exchange, IDC_OPT_REMIND, remind_);
    DDX_Control(exchange, IDC_OPT_REMIND_EDIT, remindDays_);
    DDX_Control(exchange, IDC_OPT_REMIND_SPIN, remindSpin_);
}

BOOL CDialogCritOpt::OnInitDialog()
{
    CFramedPage::OnInitDialog();
    // The entries are file names; no language file may rename them.
    LanguageManager::ExcludeFromTranslation(language_);
    FillLanguageList();
    remindSpin_.SetRange(kRemindDayRule.lowest, kRemindDayRule.highest);
    remindSpin_.SetPos(kRemindDayRule.fallback);
    remindDays_.SetLimitText(1);
    EnableRemindDays();
    ShowAutoloadOffer();
    loading_ = false;
    return TRUE;
}

// Every "*.lng" beside the executable, by its name without extension; the
// list sorts them itself.
void CDialogCritOpt::FillLanguageList()
{
    language_.SendMessage(CB_RESETCONTENT);
    for (const CString& name : ListLanguageNames())
        language_.AddString(name);
}

void CDialogCritOpt::LoadFromSettings()
{
    if (!IsWindow())
        return;
    Settle();
    // Whether the program really starts with Windows, whatever was wished.
    autoload_.SetCheck(StartsWithWindows(ModulePath::ModuleFileName()) ? 1 : 0);
    critRed_.SetCheck(static_cast<int>(ReadSettingDword(SettingCritRed)));
    loading_ = true;
    remind_.SetCheck(static_cast<int>(ReadSettingDword(SettingRemind)));
    remindSpin_.SetPos(static_cast<int>(ReadSettingDword(SettingRemindDays)));
    loading_ = false;
    EnableRemindDays();
    ShowAutoloadOffer();
    SelectStoredLanguage();
    ShowTranslatorInfo();
}

// The stored language when it can be shown, else english (added when there
// is no such file): the list names the language the windows show.
void CDialogCritOpt::SelectStoredLanguage()
{
    CString stored;
    ReadSettingText(SettingLang, stored);
    SelectLanguage(IsLanguageAvailable(stored) ? stored : CString(kEnglish));
}

void CDialogCritOpt::SelectLanguage(const CString& name)
{
    const CString trimmed = TrimLanguageName(name);
    int index = IsPlainLanguageName(trimmed) ? language_.FindStringExact(-1, trimmed) : CB_ERR;
    if (index == CB_ERR)
        index = language_.FindStringExact(-1, kEnglish);
    if (index == CB_ERR)
        index = language_.AddString(kEnglish);
    language_.SetCurSel(index);
}

// Who made the translation in force, from its own file.
void CDialogCritOpt::ShowTranslatorInfo()
{
    const LanguageManager* manager = AppLanguageManager();
    CEdit* const fields[] = {&translator_, &contact_, &date_};
    for (int item = 0; item < 3; ++item)
        fields[item]->SetWindowText(manager ? manager->GetTranslatorInfo(item) : CString());
}

void CDialogCritOpt::OnAutoload()
{
    WriteSettingDword(SettingAutoload, static_cast<DWORD>(autoload_.GetCheck()));
    SetAutoload(autoload_.GetCheck() != 0, ModulePath::ModuleFileName());
    ShowAutoloadOffer();
}

void CDialogCritOpt::OnStartWithWindows()
{
    autoload_.SetCheck(BST_CHECKED);
    autoload_.SetFocus(); // the offer goes; the box shows what was done
    OnAutoload();
}

void CDialogCritOpt::OnCritRed()
{
    WriteSettingDword(SettingCritRed, static_cast<DWORD>(critRed_.GetCheck()));
    if (MainWindowLink* main = MainWindowOf(this))
        main->RefreshCycleState();
}

// The days are asked for only while the reminder is on.
void CDialogCritOpt::EnableRemindDays()
{
    const BOOL on = remind_.GetCheck() != 0;
    ::EnableWindow(remindDays_.m_hWnd, on);
    ::EnableWindow(remindSpin_.m_hWnd, on);
}

void CDialogCritOpt::ShowAutoloadOffer()
{
    const int show = remind_.GetCheck() != 0 && autoload_.GetCheck() == 0 ? SW_SHOW : SW_HIDE;
    for (int id : {IDC_OPT_AUTOLOAD_NOTE, IDC_OPT_AUTOLOAD_OFFER})
        if (HWND item = ::GetDlgItem(m_hWnd, id))
            ::ShowWindow(item, show);
}

void CDialogCritOpt::OnRemind()
{
    WriteSettingDword(SettingRemind, static_cast<DWORD>(remind_.GetCheck()));
    EnableRemindDays();
    ShowAutoloadOffer();
    if (MainWindowLink* main = MainWindowOf(this))
        main->RefreshCycleState(); // a reminder due now comes now
}

// Every keystroke and arrow step: stored once the days have settled.
void CDialogCritOpt::OnRemindDaysChange()
{
    balloon_.Hide();
    if (!loading_)
        days_.Begin(m_hWnd);
}

void CDialogCritOpt::OnRemindDaysLeft()
{
    if (!IsWindowVisible())
        return; // hidden or being destroyed: the window's end stores what waits
    balloon_.Correct(remindSpin_, remindDays_, kRemindDayRule);
    Settle();
}

// The pause ended: stored when the box holds days it can use.
void CDialogCritOpt::OnTimer(UINT_PTR id)
{
    if (id != SettlingChange::kPauseTimer) {
        Default();
        return;
    }
    ::KillTimer(m_hWnd, id);
    if (IsUsableCount(static_cast<int>(remindSpin_.GetPos()), kRemindDayRule))
        Settle();
}

BOOL CDialogCritOpt::OnKillActive()
{
    Settle();
    return CFramedPage::OnKillActive();
}

void CDialogCritOpt::Settle()
{
    if (!IsWindow() || !days_.Take(m_hWnd))
        return;
    const int days = CountInUse(remindSpin_, kRemindDayRule);
    if (!IsUsableCount(static_cast<int>(remindSpin_.GetPos()), kRemindDayRule)) {
        loading_ = true; // the box shows the days in use
        remindSpin_.SetPos(days);
        loading_ = false;
    }
    WriteSettingDword(SettingRemindDays, static_cast<DWORD>(days));
    if (MainWindowLink* main = MainWindowOf(this))
        main->RefreshCycleState();
}

void CDialogCritOpt::OnLanguageChange()
{
    const int index = language_.GetCurSel();
    if (index == CB_ERR)
        return;
    const CString chosen = language_.GetLBText(index);
    if (!IsLanguageAvailable(chosen)) {
        // Its file went (or became a folder, or grew beyond a language file)
        // since the list was made: nothing is stored, and the list, made
        // again, shows the language the windows show.
        FillLanguageList();
        SelectStoredLanguage();
        return;
    }
    WriteSettingText(SettingLang, chosen);
    if (MainWindowLink* main = MainWindowOf(this))
        main->ApplyLanguage(false);
    // The fields name the translator of the language now in force, not of
    // the one the program started with.
    ShowTranslatorInfo();
    language_.SetFocus();
}
