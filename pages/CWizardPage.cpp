#include "pages/CWizardPage.h"

#include "framework/TextCodec.h"
#include "lang/LanguageManager.h"
#include "res/resource.h"
#include "ui/Drawing.h"
#include "ui/LoadTintedBitmap.h"
#include "ui/DialogLayout.h"

namespace {
constexpr double kCornerFraction = 0.24;
// The frame around the page's own controls begins this far right of the
// side picture (at 96 dpi: 2 pixels of the picture's frame and a gap).
constexpr int kContentFrameGap = 4;
// The side picture's height at 96 dpi (bitmap 147) and its frame below it.
constexpr int kSidePictureHeight = 232;
constexpr int kSideFrameBelow = 3;
// The large icon's size at 96 dpi.
constexpr int kIconSize = 32;
} // namespace

BEGIN_MESSAGE_MAP(CWizardPage, CPropertyPage)
ON_WM_PAINT()
ON_MESSAGE(fw::kDpiChangedAfterParent, OnDpiChangedAfterParent)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
END_MESSAGE_MAP()

CWizardPage::CWizardPage(UINT templateId, DWORD buttons, const LanguageManager& texts)
    : CPropertyPage(templateId), texts_(texts), buttons_(buttons)
{
}

void CWizardPage::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_WIZ_PICTURE, picture_);
}

CWizardPage::~CWizardPage() = default;

BOOL CWizardPage::OnSetActive()
{
    // Posted: the sheet sets its buttons once the page change is complete.
    ::PostMessageW(::GetParent(m_hWnd), PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(buttons_));
    Translate();
    ReloadSideBitmap();
    FitIcon();
    return CPropertyPage::OnSetActive();
}

void CWizardPage::Translate()
{
    // The export reaches english.lng on the page window's first translation
    // only, while it still shows its built-in texts.
    CString title = GetWindowText();
    CString section;
    if (texts_.TranslateDialog(true, true, this, static_cast<int>(GetTemplateId()), 0, section))
        title = texts_.LookupText(section, 0, title);
    // A wizard shows its step's caption as its title, not on a tab; posted,
    // because the sheet puts the untranslated caption there after this.
    title_ = fw::Wide(title);
    ::PostMessageW(::GetParent(m_hWnd), PSM_SETTITLEW, 0, reinterpret_cast<LPARAM>(title_.c_str()));
}

void CWizardPage::ReloadSideBitmap()
{
    CBitmap fresh;
    LoadTintedBitmap(IDB_WIZARD, fresh, SidePictureDpi());
    picture_.ShowBitmap(fresh.Detach());
}

int CWizardPage::SidePictureDpi() const
{
    const int dpi = layout::LayoutDpi(m_hWnd);
    const RECT picture = layout::ControlRect(m_hWnd, IDC_WIZ_PICTURE);
    const int room = GetClientRect().bottom - picture.top - fw::ScaleToDpi(kSideFrameBelow, dpi);
    if (room <= 0 || fw::ScaleToDpi(kSidePictureHeight, dpi) <= room)
        return dpi;
    return room * fw::kDefaultDpi / kSidePictureHeight;
}

void CWizardPage::FitIcon()
{
    const int size = fw::ScaleToDpi(kIconSize, layout::LayoutDpi(m_hWnd));
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child && icon_.IsEmpty();
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if ((::GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            continue;
        auto shown = reinterpret_cast<HICON>(::SendMessageW(child, STM_GETICON, 0, 0));
        ICONINFO info{};
        BITMAP picture{};
        if (!shown || !::GetIconInfo(shown, &info))
            continue;
        const CBitmap colour(info.hbmColor), mask(info.hbmMask); // copies made for us
        if ((colour.IsEmpty() ? mask : colour).GetBitmap(&picture) && picture.bmWidth == size)
            return;
        icon_ = CIcon(
            static_cast<HICON>(::CopyImage(shown, IMAGE_ICON, size, size, LR_COPYFROMRESOURCE)));
        if (!icon_.IsEmpty())
            ::SendMessageW(child, STM_SETICON, reinterpret_cast<WPARAM>(icon_.GetSafeHandle()), 0);
    }
}

LRESULT CWizardPage::OnDpiChangedAfterParent(WPARAM, LPARAM)
{
    ReloadSideBitmap();
    Invalidate(true);
    return Default();
}

// The side picture is tinted with the colours of the moment.
LRESULT CWizardPage::OnSysColorChange(WPARAM, LPARAM)
{
    if (picture_.IsWindow())
        ReloadSideBitmap();
    return Default();
}

std::vector<RECT> CWizardPage::Frames() const
{
    const fw::Dpi dpi(layout::LayoutDpi(m_hWnd));
    std::vector<RECT> frames;
    if (picture_.IsWindow()) {
        RECT picture = picture_.GetWindowRect();
        ScreenToClient(picture);
        ::InflateRect(&picture, dpi(2), dpi(2));
        picture.bottom += dpi(1);
        frames.push_back(picture);
    }
    RECT content = GetClientRect();
    content.left = layout::ControlRect(m_hWnd, IDC_WIZ_PICTURE).right + dpi(kContentFrameGap);
    frames.push_back(content);
    return frames;
}

void CWizardPage::OnPaint()
{
    CPaintDC dc(m_hWnd);
    const fw::Dpi dpi(layout::LayoutDpi(m_hWnd));
    for (RECT frame : Frames())
        DrawSoftFrame(&dc, &frame, ::GetSysColor(COLOR_BTNFACE), kCornerFraction, dpi);
}
