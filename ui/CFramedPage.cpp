#include "ui/CFramedPage.h"

#include "framework/Dpi.h"
#include "ui/Drawing.h"
#include "ui/HelpTopic.h"
#include "ui/DialogLayout.h"

BEGIN_MESSAGE_MAP(CFramedPage, CPropertyPage)
ON_WM_PAINT()
ON_WM_CTLCOLOR()
ON_MESSAGE(WM_WINDOWPOSCHANGING, OnWindowPosChanging)
ON_MESSAGE(fw::kDpiChangedAfterParent, OnDpiChangedAfterParent)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
END_MESSAGE_MAP()

CFramedPage::CFramedPage(UINT templateId, const Look& look, HelpOpener& help)
    : CPropertyPage(templateId), look_(look), help_(help)
{
}

BOOL CFramedPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    background_.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

BOOL CFramedPage::PreTranslateMessage(MSG* message)
{
    if (IsHelpKey(message)) {
        help_.OpenTopic(look_.helpTopic);
        return TRUE;
    }
    return CPropertyPage::PreTranslateMessage(message);
}

LRESULT CFramedPage::OnWindowPosChanging(WPARAM, LPARAM position)
{
    auto* place = reinterpret_cast<WINDOWPOS*>(position);
    RECT sheet{};
    HWND parent = ::GetParent(m_hWnd);
    if (place && !(place->flags & SWP_NOSIZE) && parent && ::GetClientRect(parent, &sheet)) {
        POINT corner{place->x, place->y};
        if (place->flags & SWP_NOMOVE) {
            RECT now = GetWindowRect();
            ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&now), 2);
            corner = POINT{now.left, now.top};
        }
        if (corner.x + place->cx > sheet.right && sheet.right > corner.x)
            place->cx = sheet.right - corner.x;
        if (corner.y + place->cy > sheet.bottom && sheet.bottom > corner.y)
            place->cy = sheet.bottom - corner.y;
    }
    return Default();
}

LRESULT CFramedPage::OnDpiChangedAfterParent(WPARAM, LPARAM)
{
    OnDpiChanged(layout::LayoutDpi(m_hWnd));
    return Default();
}

void CFramedPage::OnDpiChanged(int)
{
    Invalidate(true);
}

LRESULT CFramedPage::OnSysColorChange(WPARAM, LPARAM)
{
    if (!background_.IsEmpty())
        background_.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    OnColoursChanged();
    return Default();
}

void CFramedPage::OnColoursChanged() {}

std::vector<int> CFramedPage::SeparatorRows() const
{
    std::vector<int> rows;
    for (int row : {look_.row1, look_.row2, look_.row3})
        if (row > 0)
            rows.push_back(layout::DialogUnitsY(m_hWnd, row));
    return rows;
}

RECT CFramedPage::Frame() const
{
    return PageFrameRect(m_hWnd);
}

std::vector<RECT> CFramedPage::SeparatorBands() const
{
    std::vector<RECT> bands;
    const fw::Dpi dpi(layout::LayoutDpi(m_hWnd));
    for (int row : SeparatorRows())
        bands.push_back(SeparatorBand(Frame(), row, dpi));
    return bands;
}

void CFramedPage::OnPaint()
{
    DrawPageFrame(this, SeparatorRows());
}

HBRUSH CFramedPage::OnCtlColor(CDC*, HWND window, UINT)
{
    if (window == m_hWnd && !background_.IsEmpty())
        return background_;
    return nullptr; // the default colours
}
