// The link control on real statics: what a click and the keys open (through
// a recording shell, so nothing is launched), the hand cursor, the colours
// it paints itself in, and statics without SS_NOTIFY, which keep the defaults.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/AccessibleClient.h"
#include "tests/support/ShellRecorder.h"
#include "tests/ui/PixelTesting.h"
#include "ui/CLinkStatic.h"

using pixel_testing::Pixels;
using pixel_testing::Window;

namespace {

constexpr COLORREF kHostColour = RGB(0, 128, 128);
const char kOwnText[] = "http://www.orrowby.example/own";

class LinkStaticTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.on[WM_ERASEBKGND] = [this](WPARAM dc, LPARAM) {
            CDC(reinterpret_cast<HDC>(dc)).FillSolidRect(host.GetClientRect(), kHostColour);
            return 1;
        };
        host.on[WM_COMMAND] = [this](WPARAM command, LPARAM) {
            clicks += command == MAKEWPARAM(301, STN_CLICKED);
            return 0;
        };
    }
    // A static of the host, bound to the link.
    void Make(CLinkStatic& link, DWORD style)
    {
        ASSERT_TRUE(link.SubclassWindow(
            ::CreateWindowExA(0, "STATIC", kOwnText, WS_CHILD | WS_VISIBLE | style, 10, 10, 300, 20,
                              host, reinterpret_cast<HMENU>(301), nullptr, nullptr)));
    }
    // What the action on the link opens; keys go through the dialog manager.
    std::string Opened(CLinkStatic& link, UINT message, WPARAM key = 0)
    {
        shell.opened.clear();
        link.PostMessage(message, key, message == WM_KEYDOWN ? 1 : MAKELPARAM(5, 5));
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (!::IsDialogMessageA(host, &msg))
                ::DispatchMessageA(&msg);
        std::string opened;
        for (const auto& request : shell.opened)
            opened += request.second + ";";
        return opened;
    }

    Window host{RECT{120, 120, 520, 220}, 0}; // a background of its own
    int clicks = 0;                           // reported by the link
    testing_support::ShellRecorder shell;
};

TEST_F(LinkStaticTest, AClickEnterOrSpaceOpensTheTargetOrElseTheOwnText)
{
    CLinkStatic link{shell}, plain{shell};
    Make(link, SS_NOTIFY | WS_TABSTOP);
    EXPECT_EQ(Opened(link, WM_LBUTTONDOWN), std::string(kOwnText) + ";");
    link.SetLinkUrl("mailto:support@orrowby.example");
    EXPECT_EQ(Opened(link, WM_KEYDOWN, VK_RETURN), "mailto:support@orrowby.example;");
    EXPECT_EQ(Opened(link, WM_KEYDOWN, VK_SPACE), "mailto:support@orrowby.example;");
    EXPECT_EQ(Opened(link, WM_KEYDOWN, 'A'), "");
    link.SetLinkUrl("");
    link.SetWindowText("");
    EXPECT_EQ(Opened(link, WM_LBUTTONDOWN), "");
    EXPECT_EQ(clicks, 2); // the static's own handling runs as well

    HCURSOR hand = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));
    ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512))); // the arrow
    link.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(link.m_hWnd),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), hand);

    Make(plain, 0); // without SS_NOTIFY no target can be set
    plain.SetLinkUrl("http://elsewhere.example/");
    EXPECT_EQ(Opened(plain, WM_LBUTTONDOWN), std::string(kOwnText) + ";");
}

// Screen readers hear a link, named by its text, that its default action
// opens; a picture link (the banner beside a link) is left to its dialog,
// which marks every picture decorative.
TEST_F(LinkStaticTest, ScreenReadersHearALinkWithItsTextThatItsActionOpens)
{
    CLinkStatic link{shell}, picture{shell};
    Make(link, SS_NOTIFY | WS_TABSTOP);
    link.SetLinkUrl("mailto:support@orrowby.example");
    testing_support::Client client(link);
    ASSERT_TRUE(client) << std::hex << client.result;
    EXPECT_EQ(client.Number(&IAccessible::get_accRole), ROLE_SYSTEM_LINK);
    EXPECT_EQ(client.Name(), kOwnText);
    EXPECT_NE(client.Number(&IAccessible::get_accState) & STATE_SYSTEM_LINKED, 0);
    EXPECT_EQ(client.Text(&IAccessible::get_accDefaultAction), "Open");
    EXPECT_EQ(client->accDoDefaultAction(testing_support::Child(CHILDID_SELF)), S_OK);
    EXPECT_EQ(Opened(link, WM_NULL), "mailto:support@orrowby.example;");

    Make(picture, SS_NOTIFY | SS_BITMAP);
    testing_support::Client drawn(picture);
    ASSERT_TRUE(drawn);
    EXPECT_NE(drawn.Number(&IAccessible::get_accRole), ROLE_SYSTEM_LINK);
}

// Blue on silver until told otherwise; other colours on the parent's
// background or a solid one, repainted at once when shown; a static without
// SS_NOTIFY, or one told before it had a window, keeps the defaults.
TEST_F(LinkStaticTest, PaintsItsTextInItsOwnColours)
{
    const COLORREF blue = RGB(0, 0, 255), silver = RGB(192, 192, 192);
    const struct {
        DWORD style;
        int when; // the colours set 0 never, 1 before binding, 2 before showing, 3 once shown
        BOOL transparent;
        COLORREF text, background; // set, and shown unless the defaults are kept
        bool kept;
    } looks[] = {{SS_NOTIFY, 0, 0, blue, silver, true},
                 {SS_NOTIFY, 2, 1, RGB(200, 10, 20), kHostColour, false},
                 {SS_NOTIFY, 2, 0, RGB(0, 128, 0), RGB(255, 255, 0), false},
                 {SS_NOTIFY, 3, 0, RGB(255, 0, 0), RGB(0, 255, 0), false},
                 {0, 2, 0, RGB(0, 128, 0), RGB(255, 255, 0), true},
                 {SS_NOTIFY, 1, 0, RGB(0, 128, 0), RGB(255, 255, 0), true}};
    for (const auto& l : looks) {
        SCOPED_TRACE(testing::Message() << "set " << l.when << ", text " << std::hex << l.text);
        CLinkStatic link{shell};
        auto set = [&] { link.SetLinkColors(l.transparent, l.text, l.background); };
        if (l.when == 1)
            set();
        Make(link, l.style);
        link.SetWindowText("WWWWWWWW");
        if (l.when == 2)
            set();
        host.ShowWindow(SW_SHOW);
        host.RedrawWindow(RDW_UPDATENOW | RDW_ALLCHILDREN);
        if (l.when == 3)
            set();
        HDC dc = ::GetDC(link); // as it stands, without another paint
        const Pixels shown(dc, RECT{0, 0, 300, 20});
        ::ReleaseDC(link, dc);
        EXPECT_GT(shown.Count({0, 0, 120, 20}, l.kept ? blue : l.text), 0);
        EXPECT_EQ(shown(299, 19), l.kept ? silver : l.background);
        EXPECT_EQ(shown.Count({0, 0, 300, 20}, RGB(255, 255, 255)), 0);
        host.ShowWindow(SW_HIDE);
        link.DestroyWindow();
    }
}

} // namespace
