// The About page in the host that plays the main window: what the links, the
// banner and the button open (through a recording shell, so nothing is
// launched) on whose behalf. (The links paint in the colours they are given:
// the link control's own test.)
#include "model/AppIdentity.h"
#include "pages/CDialogCritAbout.h"
#include "tests/pages/PageHost.h"
#include "tests/ui/PixelTesting.h"
#include "ui/CLinkStatic.h"
#include "ui/HighContrast.h"

template <> CDialogCritAbout NewPage<CDialogCritAbout>(PageServices& services)
{
    return CDialogCritAbout(services.help, services.shell, services.language);
}

namespace {

using AboutPage = PageTest<CDialogCritAbout>;

// The links open on behalf of the page, the button on behalf of the main window.
TEST_F(AboutPage, TheLinksTheBannerAndTheButtonOpenTheAddresses)
{
    ASSERT_TRUE(host.Create());
    for (int id : {IDC_ABOUT_WEB, IDC_ABOUT_MAIL, IDC_ABOUT_BANNER}) {
        SendMessageA(Item(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageA(Item(id), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }
    SendMessageA(Item(IDC_ABOUT_DOWNLOAD), BM_CLICK, 0, 0);
    const HWND page = host.page.m_hWnd;
    const std::vector<std::pair<HWND, std::string>> expected{
        {page, velindra::kWebAddress},
        {page, "mailto:support@orrowby.example"},
        {page, velindra::kWebAddress},
        {host.m_hWnd, velindra::kWebAddress}};
    EXPECT_EQ(services.shell.opened, expected);
}

// In high contrast the banner is drawn in the window's text and background
// colours, at 96 dpi too, where the page otherwise keeps its template's picture.
TEST_F(AboutPage, InHighContrastTheBannerTakesTheWindowColours)
{
    high_contrast_testing::Answer(1);
    const bool created = host.Create();
    high_contrast_testing::Answer(-1);
    ASSERT_TRUE(created);
    const HBITMAP banner = reinterpret_cast<HBITMAP>(
        SendMessageA(Item(IDC_ABOUT_BANNER), STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP size{};
    ASSERT_TRUE(::GetObjectA(banner, sizeof(size), &size));
    CDC dc;
    dc.CreateCompatibleDC(CClientDC(nullptr));
    fw::SelectGuard select(dc, banner);
    const RECT all{0, 0, size.bmWidth, size.bmHeight};
    const pixel_testing::Pixels pixels(dc, all);
    EXPECT_EQ(pixels.Count(all, ::GetSysColor(COLOR_WINDOWTEXT)) +
                  pixels.Count(all, ::GetSysColor(COLOR_WINDOW)),
              size.bmWidth * size.bmHeight);
}

} // namespace
