#include "pages/CDialogCritAbout.h"

#include <commctrl.h>

#include "framework/Dpi.h"
#include "lang/LanguageManager.h"
#include "lang/ProgramTexts.h"
#include "model/AppIdentity.h"
#include "res/resource.h"
#include "ui/DialogLayout.h"
#include "ui/HighContrast.h"
#include "ui/LoadTintedBitmap.h"
#include "ui/ScaledPicture.h"

namespace {

constexpr COLORREF kLinkTextColor = CLR_DEFAULT;        // the system's colour of links
constexpr COLORREF kLinkBackgroundColor = RGB(0, 0, 0); // unused while transparent
const UINT kTranslatedMessage = LanguageManager::TranslatedMessage();

} // namespace

BEGIN_MESSAGE_MAP(CDialogCritAbout, CFramedPage)
ON_BN_CLICKED(IDC_ABOUT_DOWNLOAD, OpenWebSite)
ON_REGISTERED_MESSAGE(kTranslatedMessage, OnTranslated)
END_MESSAGE_MAP()

CDialogCritAbout::CDialogCritAbout(HelpOpener& help, Shell& shell, const LanguageManager& texts)
    : CFramedPage(IDD_ABOUT, {"about"}, help), shell_(shell), texts_(texts), banner_(shell),
      web_(shell), mail_(shell)
{
}

void CDialogCritAbout::DoDataExchange(CDataExchange* exchange)
{
    CFramedPage::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_ABOUT_BANNER, banner_);
    DDX_Control(exchange, IDC_ABOUT_WEB, web_);
    DDX_Control(exchange, IDC_ABOUT_MAIL, mail_);
    DDX_Control(exchange, IDC_ABOUT_NOTICE, notice_);
    DDX_Control(exchange, IDC_ABOUT_PRODUCT, product_);
}

BOOL CDialogCritAbout::OnInitDialog()
{
    CFramedPage::OnInitDialog();
    // The program sets these itself; no language file may change them.
    CWnd* const fixed[] = {&web_, &mail_, &notice_, &product_, &banner_};
    for (CWnd* control : fixed)
        LanguageManager::ExcludeFromTranslation(control);

    web_.SetLinkUrl(velindra::kWebAddress);
    web_.SetLinkColors(TRUE, kLinkTextColor, kLinkBackgroundColor);
    web_.SetWindowText(velindra::kWebAddress);

    mail_.SetLinkUrl(velindra::kMailTarget);
    mail_.SetLinkColors(TRUE, kLinkTextColor, kLinkBackgroundColor);
    mail_.SetWindowText(velindra::kSupportAddress);

    notice_.SetWindowText(velindra::kNoticeLine);
    product_.SetWindowText(velindra::kProductLine);

    banner_.SetLinkUrl(velindra::kWebAddress);
    if (const int dpi = layout::LayoutDpi(m_hWnd); dpi != fw::kDefaultDpi || IsHighContrast())
        LoadBanner(dpi); // at 96 dpi the template's own picture
    CentrePictures();
    OnTranslated(0, 0);
    return TRUE;
}

LRESULT CDialogCritAbout::OnTranslated(WPARAM, LPARAM)
{
    const CString action = texts_.Format(TextId::OpenLinkAction);
    for (CLinkStatic* link : {&banner_, &web_, &mail_})
        link->SetActionName(action);
    return 0;
}

// 204 x 67 pixels at 96 dpi, x dpi / 96 at another scale; in high contrast
// in the window's text and background colours.
void CDialogCritAbout::LoadBanner(int dpi)
{
    HBITMAP banner =
        IsHighContrast() ? LoadTwoToneBitmap(IDB_BANNER, dpi) : LoadSizedBitmap(IDB_BANNER, dpi);
    if (banner)
        banner_.ShowBitmap(banner);
}

void CDialogCritAbout::OnColoursChanged()
{
    LoadBanner(layout::LayoutDpi(m_hWnd));
    CFramedPage::OnColoursChanged();
}

void CDialogCritAbout::OnDpiChanged(int dpi)
{
    LoadBanner(dpi);
    CentrePictures();
    CFramedPage::OnDpiChanged(dpi);
}

// A picture static takes the size of its picture from its top-left corner;
// the icon is centred over the lines of text and the banner under the
// Download button, whatever the width of the dialog font.
void CDialogCritAbout::CentrePictures()
{
    const RECT text = layout::ControlRect(m_hWnd, IDC_ABOUT_PRODUCT);
    const RECT button = layout::ControlRect(m_hWnd, IDC_ABOUT_DOWNLOAD);
    const int pictures[][2] = {{IDC_ABOUT_ICON, (text.left + text.right) / 2},
                               {IDC_ABOUT_BANNER, (button.left + button.right) / 2}};
    for (const auto& picture : pictures) {
        RECT rect = layout::ControlRect(m_hWnd, picture[0]);
        ::OffsetRect(&rect, picture[1] - (rect.left + rect.right) / 2, 0);
        layout::PlaceControl(m_hWnd, picture[0], rect);
    }
}

void CDialogCritAbout::OpenWebSite()
{
    // The page's own top-level window (the main window) owns what the shell opens.
    shell_.Open(::GetAncestor(m_hWnd, GA_ROOT), velindra::kWebAddress);
}
