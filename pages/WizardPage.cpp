#include "pages/WizardPage.h"

#include "lang/LanguageManager.h"
#include "lang/LanguageOwner.h"
#include "res/resource.h"
#include "ui/Drawing.h"
#include "ui/LoadTintedBitmap.h"
#include "ui/DialogLayout.h"

namespace {
constexpr double kCornerFraction = 0.24;
// Where the frame around the page's own controls begins, right of the side
// picture (a 100-pixel-wide bitmap at 96 dpi) and its frame.
constexpr int kContentFrameLeft = 106;
} // namespace

BEGIN_MESSAGE_MAP(CWizardPage, CPropertyPage)
ON_WM_PAINT()
ON_MESSAGE(fw::kDpiChangedAfterParent, OnDpiChangedAfterParent)
END_MESSAGE_MAP()

CWizardPage::CWizardPage(UINT templateId, DWORD buttons)
    : CPropertyPage(templateId), buttons_(buttons)
{
}

void CWizardPage::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_WIZ_PICTURE, picture_);
}

BOOL CWizardPage::OnSetActive()
{
    // Posted: the sheet sets its buttons once the page change is complete.
    ::PostMessageA(::GetParent(m_hWnd), PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(buttons_));
    Translate();
    ReloadSideBitmap();
    return CPropertyPage::OnSetActive();
}

void CWizardPage::Translate()
{
    // The export reaches english.lng on the page window's first translation
    // only, while it still shows its built-in texts.
    title_ = GetWindowText();
    if (LanguageManager* language = AppLanguageManager()) {
        CString section;
        language->TranslateDialog(true, true, this, static_cast<int>(GetTemplateId()), 0, section);
        title_ = language->LookupText(section, 0, title_);
    }
    // A wizard shows its step's caption as its title, not on a tab; posted,
    // because the sheet puts the untranslated caption there after this.
    ::PostMessageA(::GetParent(m_hWnd), PSM_SETTITLEA, 0, reinterpret_cast<LPARAM>(title_.c_str()));
}

void CWizardPage::ReloadSideBitmap()
{
    CBitmap fresh;
    LoadTintedBitmap(IDB_WIZARD, fresh, layout::LayoutDpi(m_hWnd));
    picture_.ShowBitmap(fresh.Detach());
}

LRESULT CWizardPage::OnDpiChangedAfterParent(WPARAM, LPARAM)
{
    ReloadSideBitmap();
    Invalidate(true);
    return Default();
}

void CWizardPage::OnPaint()
{
    CPaintDC dc(m_hWnd);
    const fw::Dpi dpi(layout::LayoutDpi(m_hWnd));
    COLORREF face = ::GetSysColor(COLOR_BTNFACE);

    RECT picture{};
    if (picture_.IsWindow()) {
        picture = picture_.GetWindowRect();
        ScreenToClient(picture);
        ::InflateRect(&picture, dpi(2), dpi(2));
        picture.bottom += dpi(1);
        DrawSoftFrame(&dc, &picture, face, kCornerFraction, dpi);
    }

    RECT content = GetClientRect();
    content.left = dpi(kContentFrameLeft);
    DrawSoftFrame(&dc, &content, face, kCornerFraction, dpi);
}
