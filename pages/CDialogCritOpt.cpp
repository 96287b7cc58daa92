#include "pages/CDialogCritOpt.h"

#include "lang/DisplayLanguage.h"
#include "lang/LanguageManager.h"
#include "lang/LanguageName.h"
#include "model/Settings.h"
#include "pages/MainWindowLink.h"
#include "res/resource.h"

namespace {

// The reminder unit's English form for one day.
const char kRemindUnitOne[] = "day before critical days";
const UINT kTranslatedMessage = LanguageManager::TranslatedMessage();

bool SameName(const CString& a, const CString& b)
{
    return EqualNoCase(TrimLanguageName(a), TrimLanguageName(b));
}

} // namespace

BEGIN_MESSAGE_MAP(CDialogCritOpt, CFramedPage)
ON_BN_CLICKED(IDC_OPT_AUTOLOAD, OnAutoload)
ON_BN_CLICKED(IDC_OPT_CRITRED, OnCritRed)
ON_CBN_SELCHANGE(IDC_OPT_LANGUAGE, OnLanguageSelChange)
ON_CONTROL(CBN_SELENDOK, IDC_OPT_LANGUAGE, OnLanguageSelEndOk)
ON_CONTROL(CBN_SELENDCANCEL, IDC_OPT_LANGUAGE, OnLanguageSelEndCancel)
ON_MESSAGE(kSettleLanguageMessage, OnSettleLanguage)
ON_BN_CLICKED(IDC_OPT_REMIND, OnRemind)
ON_EN_CHANGE(IDC_OPT_REMIND_EDIT, OnRemindDaysChange)
ON_CONTROL(EN_KILLFOCUS, IDC_OPT_REMIND_EDIT, OnRemindDaysLeft)
ON_BN_CLICKED(IDC_OPT_AUTOLOAD_OFFER, OnStartWithWindows)
ON_NOTIFY(UDN_DELTAPOS, IDC_OPT_REMIND_SPIN, OnSpinStep)
ON_WM_TIMER()
ON_REGISTERED_MESSAGE(kTranslatedMessage, OnTranslated)
END_MESSAGE_MAP()

CDialogCritOpt::CDialogCritOpt(HelpOpener& help, const LanguageManager& texts,
                               SettingsStore& settings)
    : CFramedPage(IDD_OPTIONS, {"opt", 75, 0, 0}, help), texts_(texts), settings_(settings),
      remindUnit_(texts, IDC_OPT_REMIND_UNIT, kRemindUnitOne),
      days_(texts, {{remindSpin_, remindDays_, kRemindDayRule}})
{
}

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
    // The entries are the languages' own names; no language file renames them.
    LanguageManager::ExcludeFromTranslation(language_);
    remindUnit_.Attach(m_hWnd);
    FillLanguageList();
    remindSpin_.SetRange(kRemindDayRule.lowest, kRemindDayRule.highest);
    remindSpin_.SetPos(kRemindDayRule.fallback);
    remindDays_.SetLimitText(1);
    EnableRemindDays();
    ShowAutoloadOffer();
    days_.Loaded();
    return TRUE;
}

// Every language offered, by its own name; the list sorts them itself.
void CDialogCritOpt::FillLanguageList()
{
    language_.SendMessage(CB_RESETCONTENT);
    languages_ = ListLanguages(texts_.ProgramFile());
    for (size_t i = 0; i < languages_.size(); ++i) {
        const int index = language_.AddString(languages_[i].name);
        if (index >= 0)
            language_.SetItemData(index, static_cast<LRESULT>(i));
    }
}

BOOL CDialogCritOpt::PreTranslateMessage(MSG* message)
{
    if (message->message == WM_CHAR && message->hwnd == language_.m_hWnd &&
        language_.GetDroppedState()) {
        const wchar_t letter[2] = {static_cast<wchar_t>(message->wParam), L'\0'};
        const LRESULT found = ::SendMessageW(language_.m_hWnd, CB_FINDSTRING,
                                             static_cast<WPARAM>(language_.GetCurSel()),
                                             reinterpret_cast<LPARAM>(letter));
        if (found != CB_ERR)
            language_.SetCurSel(static_cast<int>(found));
        return TRUE;
    }
    return CFramedPage::PreTranslateMessage(message);
}

CString CDialogCritOpt::ListedFile(int index) const
{
    const LRESULT data = index < 0 ? CB_ERR : language_.GetItemData(index);
    return data >= 0 && static_cast<size_t>(data) < languages_.size()
               ? languages_[static_cast<size_t>(data)].file
               : CString();
}

void CDialogCritOpt::LoadFromSettings()
{
    if (!IsWindow())
        return;
    Settle();
    // Whether the program really starts with Windows, whatever was wished.
    autoload_.SetCheck(StartsWithWindows(texts_.ProgramFile()) ? 1 : 0);
    critRed_.SetCheck(static_cast<int>(settings_.ReadDword(SettingCritRed)));
    {
        const CountSettler::Loading loading(days_);
        remind_.SetCheck(static_cast<int>(settings_.ReadDword(SettingRemind)));
        remindSpin_.SetPos(static_cast<int>(settings_.ReadDword(SettingRemindDays)));
    }
    EnableRemindDays();
    ShowAutoloadOffer();
    SelectStoredLanguage();
    ShowTranslatorInfo();
}

void CDialogCritOpt::SelectStoredLanguage()
{
    CString stored;
    const CString shown =
        LanguageToShow(texts_.ProgramFile(), settings_.ReadText(SettingLang, stored) ? stored : "");
    SelectLanguage(IsLanguageAvailable(texts_.ProgramFile(), shown) ? shown
                                                                    : CString(kEnglishLanguage));
}

void CDialogCritOpt::SelectLanguage(const CString& file)
{
    int english = CB_ERR;
    for (int index = 0; index < language_.GetCount(); ++index) {
        if (SameName(ListedFile(index), file)) {
            language_.SetCurSel(index);
            return;
        }
        if (SameName(ListedFile(index), kEnglishLanguage))
            english = index;
    }
    language_.SetCurSel(english);
}

// Who made the translation in force, from its own file.
void CDialogCritOpt::ShowTranslatorInfo()
{
    CEdit* const fields[] = {&translator_, &contact_, &date_};
    for (int item = 0; item < 3; ++item)
        fields[item]->SetWindowText(texts_.GetTranslatorInfo(item));
}

void CDialogCritOpt::OnAutoload()
{
    settings_.WriteDword(SettingAutoload, static_cast<DWORD>(autoload_.GetCheck()));
    SetAutoload(autoload_.GetCheck() != 0, texts_.ProgramFile());
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
    settings_.WriteDword(SettingCritRed, static_cast<DWORD>(critRed_.GetCheck()));
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
    settings_.WriteDword(SettingRemind, static_cast<DWORD>(remind_.GetCheck()));
    EnableRemindDays();
    ShowAutoloadOffer();
    if (MainWindowLink* main = MainWindowOf(this))
        main->RefreshCycleState(); // a reminder due now comes now
}

// Every keystroke and arrow step: stored once the days have settled.
void CDialogCritOpt::OnRemindDaysChange()
{
    remindUnit_.Show(CountInUse(remindSpin_, kRemindDayRule));
    days_.Changed(m_hWnd);
}

void CDialogCritOpt::OnRemindDaysLeft()
{
    if (days_.Left(m_hWnd, 0))
        Settle();
}

// The pause ended: stored when the box holds days it can use.
void CDialogCritOpt::OnTimer(UINT_PTR id)
{
    if (!CountSettler::IsPauseTimer(id))
        Default();
    else if (days_.PauseEnded(m_hWnd))
        Settle();
}

BOOL CDialogCritOpt::OnKillActive()
{
    Settle();
    return CFramedPage::OnKillActive();
}

void CDialogCritOpt::Settle()
{
    if (!days_.Take(m_hWnd))
        return;
    const int days = CountInUse(remindSpin_, kRemindDayRule);
    settings_.WriteDword(SettingRemindDays, static_cast<DWORD>(days));
    if (MainWindowLink* main = MainWindowOf(this))
        main->RefreshCycleState();
}

LRESULT CDialogCritOpt::OnTranslated(WPARAM, LPARAM section)
{
    remindUnit_.Translated(*reinterpret_cast<const CString*>(section));
    remindUnit_.Show(CountInUse(remindSpin_, kRemindDayRule));
    return 0;
}

void CDialogCritOpt::OnLanguageSelChange()
{
    if (!language_.GetDroppedState())
        TakeSelectedLanguage();
}

// Notified while the list is still dropped: it closes first.
void CDialogCritOpt::OnLanguageSelEndOk()
{
    PostMessage(kSettleLanguageMessage, TRUE);
}

void CDialogCritOpt::OnLanguageSelEndCancel()
{
    PostMessage(kSettleLanguageMessage, FALSE);
}

LRESULT CDialogCritOpt::OnSettleLanguage(WPARAM chosen, LPARAM)
{
    if (language_.GetDroppedState()) // dropped again meanwhile: it tells again
        return 0;
    if (chosen)
        TakeSelectedLanguage();
    else
        SelectStoredLanguage(); // what she passed over in the list is not taken
    return 0;
}

void CDialogCritOpt::TakeSelectedLanguage()
{
    const int index = language_.GetCurSel();
    if (index == CB_ERR)
        return;
    const CString chosen = ListedFile(index);
    CString stored;
    if (settings_.ReadText(SettingLang, stored) && SameName(stored, chosen))
        return; // chosen already (the list may tell twice)
    if (!IsLanguageAvailable(texts_.ProgramFile(), chosen)) {
        // Its file went (or became a folder, or grew beyond a language file)
        // since the list was made: nothing is stored, and the list, made
        // again, shows the language the windows show.
        FillLanguageList();
        SelectStoredLanguage();
        return;
    }
    settings_.WriteText(SettingLang, chosen);
    HWND focus = ::GetFocus();
    if (MainWindowLink* main = MainWindowOf(this))
        main->ApplyLanguage(false);
    // The fields name the translator of the language now in force, not of
    // the one the program started with.
    ShowTranslatorInfo();
    if (focus && ::IsWindow(focus) && ::GetFocus() != focus)
        ::SetFocus(focus);
}
