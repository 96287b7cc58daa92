#include "framework/PropertySheet.h"

#include "framework/Module.h"
#include "framework/TextCodec.h"
#include "framework/WinApp.h"

namespace {
// The sheet PropertySheetW is creating: its callback carries no user value.
thread_local CPropertySheet* t_creatingSheet = nullptr;

// Turns a sheet's dialog template into one for a child window.
void MakeChildTemplate(LPARAM templatePointer)
{
    auto* bytes = reinterpret_cast<BYTE*>(templatePointer);
    // DLGTEMPLATEEX: dlgVer, signature 0xFFFF, helpID, exStyle, style.
    bool extended = reinterpret_cast<WORD*>(bytes)[1] == 0xFFFF;
    auto* style = reinterpret_cast<DWORD*>(bytes + (extended ? 12 : 0));
    *style &= ~static_cast<DWORD>(WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_SYSMENU |
                                  WS_THICKFRAME | DS_CONTEXTHELP);
    *style |= WS_CHILD | WS_VISIBLE | DS_CONTROL;
}
} // namespace

// ---------------------------------------------------------------- pages

CPropertyPage::CPropertyPage(UINT templateId) : CDialog(templateId)
{
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.hInstance = AfxGetResourceHandle();
    m_psp.pszTemplate = MAKEINTRESOURCEW(templateId);
    m_psp.pfnDlgProc = &CPropertyPage::StaticPageProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

CPropertyPage::~CPropertyPage() = default;

INT_PTR CALLBACK CPropertyPage::StaticPageProc(HWND window, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG || !lParam)
        return FALSE;
    auto* page =
        reinterpret_cast<CPropertyPage*>(reinterpret_cast<const PROPSHEETPAGEW*>(lParam)->lParam);
    return page ? page->BindAndInit(window) : TRUE;
}

LRESULT CPropertyPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY && lParam) {
        auto* header = reinterpret_cast<const NMHDR*>(lParam);
        LRESULT result;
        bool handled = true;
        switch (header->code) {
        case PSN_SETACTIVE:
            result = OnSetActive() ? 0 : -1;
            break;
        case PSN_KILLACTIVE:
            result = OnKillActive() ? FALSE : TRUE;
            break;
        case PSN_WIZFINISH:
            result = OnWizardFinish() ? FALSE : TRUE;
            break;
        case PSN_APPLY:
            result = PSNRET_NOERROR;
            break;
        default:
            handled = false;
            result = 0;
        }
        if (handled) {
            ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
            return result;
        }
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

// ---------------------------------------------------------------- sheets

CPropertySheet::CPropertySheet(const char* caption, CWnd* parent, UINT selectPage)
    : caption_(fw::Wide(caption ? caption : "")), parent_(parent)
{
    m_psh.dwSize = sizeof(m_psh);
    m_psh.nStartPage = selectPage;
}

CPropertySheet::~CPropertySheet() = default;

void CPropertySheet::AddPage(CPropertyPage* page)
{
    if (!page)
        return;
    page->sheet_ = this;
    pages_.push_back(page);
    if (m_hWnd) {
        HPROPSHEETPAGE handle = ::CreatePropertySheetPageW(&page->m_psp);
        if (handle)
            ::SendMessageW(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(handle));
    }
}

CPropertyPage* CPropertySheet::GetPage(int index) const
{
    if (index < 0 || index >= GetPageCount())
        return nullptr;
    return pages_[static_cast<size_t>(index)];
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const
{
    for (size_t i = 0; i < pages_.size(); ++i)
        if (pages_[i] == page)
            return static_cast<int>(i);
    return -1;
}

int CPropertySheet::GetActiveIndex() const
{
    if (!m_hWnd)
        return static_cast<int>(m_psh.nStartPage);
    auto current = ::SendMessageW(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0);
    return current ? static_cast<int>(::SendMessageW(m_hWnd, PSM_HWNDTOINDEX, current, 0)) : -1;
}

BOOL CPropertySheet::SetActivePage(int index)
{
    if (index < 0 || index >= GetPageCount())
        return FALSE;
    if (!m_hWnd) {
        m_psh.nStartPage = static_cast<UINT>(index);
        return TRUE;
    }
    return ::SendMessageW(m_hWnd, PSM_SETCURSEL, index, 0) ? TRUE : FALSE;
}

HWND CPropertySheet::GetTabControl() const
{
    return m_hWnd ? reinterpret_cast<HWND>(::SendMessageW(m_hWnd, PSM_GETTABCONTROL, 0, 0))
                  : nullptr;
}

bool CPropertySheet::PressButton(int button)
{
    if (!m_hWnd)
        return false;
    ::PostMessageW(m_hWnd, PSM_PRESSBUTTON, button, 0);
    return true;
}

void CPropertySheet::BuildHeader(CWnd* parent)
{
    AfxInitCommonControls();
    pageRecords_.clear();
    for (CPropertyPage* page : pages_)
        pageRecords_.push_back(page->m_psp);
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags |= PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    m_psh.hwndParent = parent ? parent->m_hWnd : nullptr;
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.pszCaption = caption_.c_str();
    m_psh.nPages = static_cast<UINT>(pageRecords_.size());
    m_psh.ppsp = pageRecords_.data();
    m_psh.pfnCallback = &CPropertySheet::SheetCallback;
}

int CALLBACK CPropertySheet::SheetCallback(HWND window, UINT message, LPARAM lParam)
{
    CPropertySheet* sheet = t_creatingSheet;
    if (!sheet)
        return 0;
    if (message == PSCB_PRECREATE && sheet->makeChild_ && lParam) {
        MakeChildTemplate(lParam);
    } else if (message == PSCB_INITIALIZED && window) {
        t_creatingSheet = nullptr;
        sheet->SubclassWindow(window);
        if (sheet->makeChild_) {
            // The sheet's own buttons would still take part in Tab order.
            for (int id : {IDOK, IDCANCEL, IDHELP, 0x3021 /* Apply */})
                if (HWND button = ::GetDlgItem(window, id))
                    ::ShowWindow(button, SW_HIDE);
        }
        sheet->OnInitDialog();
    }
    return 0;
}

bool CPropertySheet::Create(CWnd* parent, DWORD style, DWORD exStyle)
{
    if (m_hWnd || pages_.empty())
        return false;
    makeChild_ = (style & WS_CHILD) != 0;
    m_psh.dwFlags |= PSH_MODELESS | PSH_NOAPPLYNOW;
    BuildHeader(parent ? parent : parent_);
    t_creatingSheet = this;
    HWND window = reinterpret_cast<HWND>(::PropertySheetW(&m_psh));
    t_creatingSheet = nullptr;
    if (!window || m_hWnd != window)
        return false;
    if (exStyle)
        ModifyStyleEx(0, exStyle);
    return true;
}

INT_PTR CPropertySheet::DoModal()
{
    if (m_hWnd || pages_.empty())
        return -1;
    makeChild_ = false;
    m_psh.dwFlags &= ~static_cast<DWORD>(PSH_MODELESS);
    BuildHeader(parent_);
    t_creatingSheet = this;
    INT_PTR result = ::PropertySheetW(&m_psh);
    t_creatingSheet = nullptr;
    if (IsWizard())
        return result > 0 ? ID_WIZFINISH : IDCANCEL;
    return result > 0 ? IDOK : IDCANCEL;
}
