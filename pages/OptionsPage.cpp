#include "pages/OptionsPage.h"

#include <vector>

#include "framework/TextCodec.h"
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

// The language list holds UTF-8 names as wide texts: a name in any script
// shows and comes back as it is.
int AddName(HWND list, const CString& name)
{
    const std::wstring wide = fw::Wide(name);
    return static_cast<int>(
        ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

int FindName(HWND list, const CString& name)
{
    const std::wstring wide = fw::Wide(name);
    return static_cast<int>(::SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(wide.c_str())));
}

CString NameAt(HWND list, int index)
{
    const LRESULT length = ::SendMessageW(list, CB_GETLBTEXTLEN, index, 0);
    if (length <= 0)
        return CString();
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    ::SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    CString name;
    fw::NarrowUtf8(text.data(), name);
    return name;
}

} // namespace

BEGIN_MESSAGE_MAP(CDialogCritOpt, CFramedPage)
ON_BN_CLICKED(IDC_OPT_AUTOLOAD, OnAutoload)
ON_BN_CLICKED(IDC_OPT_CRITRED, OnCritRed)
ON_CBN_SELCHANGE(IDC_OPT_LANGUAGE, OnLanguageChange)
END_MESSAGE_MAP()

CDialogCritOpt::CDialogCritOpt() : CFramedPage(IDD_OPTIONS, {"opt", 78, 0, 0}) {}

void CDialogCritOpt::DoDataExchange(CDataExchange* exchange)
{
    CFramedPage::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_OPT_DATE, date_);
    DDX_Control(exchange, IDC_OPT_TRANSLATOR, translator_);
    DDX_Control(exchange, IDC_OPT_CONTACT, contact_);
    DDX_Control(exchange, IDC_OPT_CRITRED, critRed_);
    DDX_Control(exchange, IDC_OPT_AUTOLOAD, autoload_);
}

BOOL CDialogCritOpt::OnInitDialog()
{
    CFramedPage::OnInitDialog();
    language_ = ::GetDlgItem(m_hWnd, IDC_OPT_LANGUAGE);
    // The entries are file names; no language file may rename them.
    LanguageManager::ExcludeFromTranslation(language_);
    FillLanguageList();
    return TRUE;
}

// Every "*.lng" beside the executable, by its name without extension; the
// list sorts them itself.
void CDialogCritOpt::FillLanguageList()
{
    for (const CString& name : ListLanguageNames())
        AddName(language_, name);
}

void CDialogCritOpt::LoadFromSettings()
{
    if (!IsWindow())
        return;
    autoload_.SetCheck(static_cast<int>(ReadSettingDword(SettingAutoload)));
    critRed_.SetCheck(static_cast<int>(ReadSettingDword(SettingCritRed)));
    SelectStoredLanguage();
    ShowTranslatorInfo();
}

// The stored language, else english (added when there is no such file).
void CDialogCritOpt::SelectStoredLanguage()
{
    CString stored;
    ReadSettingText(SettingLang, stored);
    stored = TrimLanguageName(stored);
    int index = IsPlainLanguageName(stored) ? FindName(language_, stored) : CB_ERR;
    if (index == CB_ERR)
        index = FindName(language_, kEnglish);
    if (index == CB_ERR)
        index = AddName(language_, kEnglish);
    ::SendMessageW(language_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
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
}

void CDialogCritOpt::OnCritRed()
{
    WriteSettingDword(SettingCritRed, static_cast<DWORD>(critRed_.GetCheck()));
    if (MainWindowLink* main = MainWindowOf(this))
        main->RefreshCycleState();
}

void CDialogCritOpt::OnLanguageChange()
{
    const int index = static_cast<int>(::SendMessageW(language_, CB_GETCURSEL, 0, 0));
    if (index == CB_ERR)
        return;
    WriteSettingText(SettingLang, NameAt(language_, index));
    if (MainWindowLink* main = MainWindowOf(this))
        main->ApplyLanguage(false);
    // The fields name the translator of the language now in force, not of
    // the one the program started with.
    ShowTranslatorInfo();
    ::SetFocus(language_);
}
