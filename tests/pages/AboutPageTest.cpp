// The About page in the host that plays the main window: the lines the
// program sets itself, the address lines in blue, and what the links, the
// banner and the button open (through a recording opener, so nothing is
// launched) on whose behalf.
#include <gtest/gtest.h>

#include "model/AppIdentity.h"
#include "pages/AboutPage.h"
#include "tests/pages/PageHost.h"
#include "ui/LinkStatic.h"

namespace {

std::vector<std::pair<HWND, std::string>> g_opened;

using AboutPage = PageTest<CDialogCritAbout>;

// The links open on behalf of the page, the button on behalf of the main window.
TEST_F(AboutPage, ShowsItsLinesWithTheAddressesInBlueWhichOpenWhenClicked)
{
    const ShellOpener previous = SetShellOpener(
        [](HWND owner, const char* target) { g_opened.emplace_back(owner, target); });
    g_opened.clear();
    ASSERT_TRUE(host.Create());
    EXPECT_EQ(Text(IDC_ABOUT_PRODUCT), "Velindra 1.1");
    EXPECT_EQ(Text(IDC_ABOUT_NOTICE), velindra::kNoticeLine);
    EXPECT_EQ(Text(IDC_ABOUT_WEB), velindra::kWebAddress);
    EXPECT_EQ(Text(IDC_ABOUT_MAIL), velindra::kSupportAddress);
    HDC dc = CreateCompatibleDC(nullptr);
    for (int id : {IDC_ABOUT_WEB, IDC_ABOUT_MAIL}) {
        SetTextColor(dc, RGB(0, 0, 0));
        LOGBRUSH brush{};
        GetObjectA(reinterpret_cast<HBRUSH>(SendMessageA(host.page.m_hWnd, WM_CTLCOLORSTATIC,
                                                         reinterpret_cast<WPARAM>(dc),
                                                         reinterpret_cast<LPARAM>(Item(id)))),
                   sizeof(brush), &brush);
        EXPECT_EQ(brush.lbStyle, static_cast<UINT>(BS_HOLLOW)) << id;
        EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255)) << id;
    }
    DeleteDC(dc);
    for (int id : {IDC_ABOUT_WEB, IDC_ABOUT_MAIL, IDC_ABOUT_BANNER}) {
        SendMessageA(Item(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageA(Item(id), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }
    SendMessageA(Item(IDC_ABOUT_DOWNLOAD), BM_CLICK, 0, 0);
    SetShellOpener(previous);
    const HWND page = host.page.m_hWnd;
    const std::vector<std::pair<HWND, std::string>> expected{
        {page, velindra::kWebAddress},
        {page, "mailto:support@orrowby.example"},
        {page, velindra::kWebAddress},
        {host.m_hWnd, velindra::kWebAddress}};
    EXPECT_EQ(g_opened, expected);
}

} // namespace
