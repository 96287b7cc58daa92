// The link control on real static windows: what a click opens (through a
// recording opener, so nothing is launched), the colours and brush it gives
// for its own painting, the hand cursor, and the controls that lack
// SS_NOTIFY and therefore keep their defaults.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Wnd.h"
#include "ui/LinkStatic.h"

namespace {

constexpr UINT kLinkId = 301;
constexpr UINT kPlainId = 302;
const char kOwnText[] = "http://www.orrowby.example/own";

struct OpenRequest {
    HWND owner;
    std::string target;
};
std::vector<OpenRequest> g_opened;
void RecordOpen(HWND owner, const char* target)
{
    g_opened.push_back({owner, target});
}

// The parent: reflects control colours to the links and counts the clicks
// the statics report after the link has done its part.
class LinkHost : public CWnd {
public:
    int clicks = 0;
    void OnLinkClicked() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LinkHost, CWnd)
ON_CONTROL(STN_CLICKED, kLinkId, OnLinkClicked)
END_MESSAGE_MAP()

// What the control asked of a device context for its painting.
struct Painting {
    HBRUSH brush;
    LOGBRUSH described;
    COLORREF text;
    int mode;
    COLORREF background;
};

class LinkStaticTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = SetShellOpener(&RecordOpen);
        g_opened.clear();
        ASSERT_TRUE(host.CreateEx(0, nullptr, "link host", WS_POPUP | WS_VISIBLE,
                                  RECT{120, 120, 520, 220}, nullptr, 0));
        ASSERT_TRUE(link.SubclassWindow(MakeStatic(kLinkId, SS_NOTIFY, 10)));
        ASSERT_TRUE(plain.SubclassWindow(MakeStatic(kPlainId, 0, 40)));
    }
    void TearDown() override { SetShellOpener(previous_); }

    HWND MakeStatic(UINT id, DWORD style, int top)
    {
        return ::CreateWindowExA(0, "STATIC", kOwnText, WS_CHILD | WS_VISIBLE | style, 10, top, 300,
                                 20, host.m_hWnd, reinterpret_cast<HMENU>(UINT_PTR{id}), nullptr,
                                 nullptr);
    }

    // Asks the parent for the control's colours, as painting does.
    Painting Paint(const CWnd& control)
    {
        HDC screen = ::GetDC(nullptr);
        HDC dc = ::CreateCompatibleDC(screen);
        ::ReleaseDC(nullptr, screen);
        Painting result{};
        result.brush = reinterpret_cast<HBRUSH>(
            host.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                             reinterpret_cast<LPARAM>(control.m_hWnd)));
        if (result.brush)
            ::GetObjectA(result.brush, sizeof(result.described), &result.described);
        result.text = ::GetTextColor(dc);
        result.mode = ::GetBkMode(dc);
        result.background = ::GetBkColor(dc);
        ::DeleteDC(dc);
        return result;
    }

    void Click(CWnd& control) { control.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }

    LinkHost host;
    CLinkStatic link;
    CLinkStatic plain;

private:
    ShellOpener previous_ = nullptr;
};

void ExpectDefaults(const Painting& painting)
{
    ASSERT_NE(nullptr, painting.brush);
    EXPECT_EQ(static_cast<UINT>(BS_SOLID), painting.described.lbStyle);
    EXPECT_EQ(RGB(192, 192, 192), painting.described.lbColor);
    EXPECT_EQ(RGB(0, 0, 255), painting.text);
    EXPECT_EQ(TRANSPARENT, painting.mode);
}

} // namespace

TEST_F(LinkStaticTest, AClickOpensTheTargetOrElseTheOwnTextAndStillReportsTheClick)
{
    Click(link);
    ASSERT_EQ(1u, g_opened.size());
    EXPECT_EQ(kOwnText, g_opened[0].target);
    EXPECT_EQ(host.m_hWnd, g_opened[0].owner);
    EXPECT_EQ(1, host.clicks); // the static's own handling ran afterwards

    link.SetLinkUrl("mailto:support@orrowby.example");
    Click(link);
    ASSERT_EQ(2u, g_opened.size());
    EXPECT_EQ("mailto:support@orrowby.example", g_opened[1].target);
    EXPECT_EQ(2, host.clicks);

    // Nothing to open: no target and no text.
    link.SetLinkUrl("");
    link.SetWindowText("");
    Click(link);
    EXPECT_EQ(2u, g_opened.size());
    EXPECT_EQ(3, host.clicks);
}

TEST_F(LinkStaticTest, ColoursItselfBlueOnTheParentsBackgroundUntilToldOtherwise)
{
    const Painting initial = Paint(link);
    ExpectDefaults(initial);

    link.SetLinkColors(TRUE, RGB(200, 10, 20), RGB(0, 0, 0));
    // The silver brush was given back, not leaked alongside the new one.
    EXPECT_EQ(0u, ::GetObjectType(initial.brush));
    Painting hollow = Paint(link);
    ASSERT_NE(nullptr, hollow.brush);
    EXPECT_EQ(static_cast<UINT>(BS_HOLLOW), hollow.described.lbStyle);
    EXPECT_EQ(RGB(200, 10, 20), hollow.text);
    EXPECT_EQ(TRANSPARENT, hollow.mode);

    link.SetLinkColors(FALSE, RGB(0, 128, 0), RGB(255, 255, 0));
    Painting solid = Paint(link);
    ASSERT_NE(nullptr, solid.brush);
    EXPECT_EQ(static_cast<UINT>(BS_SOLID), solid.described.lbStyle);
    EXPECT_EQ(RGB(255, 255, 0), solid.described.lbColor);
    EXPECT_EQ(RGB(255, 255, 0), solid.background);
    EXPECT_EQ(RGB(0, 128, 0), solid.text);
    EXPECT_EQ(OPAQUE, solid.mode);
}

TEST_F(LinkStaticTest, WithoutNotifyStyleTheSettersChangeNothing)
{
    plain.SetLinkUrl("http://elsewhere.example/");
    plain.SetLinkColors(FALSE, RGB(0, 128, 0), RGB(255, 255, 0));
    ExpectDefaults(Paint(plain));
    Click(plain);
    ASSERT_EQ(1u, g_opened.size());
    EXPECT_EQ(kOwnText, g_opened[0].target);

    // Nor before the control has a window.
    CLinkStatic unbound;
    unbound.SetLinkUrl("http://elsewhere.example/");
    unbound.SetLinkColors(FALSE, RGB(0, 128, 0), RGB(255, 255, 0));
    ASSERT_TRUE(unbound.SubclassWindow(MakeStatic(303, SS_NOTIFY, 70)));
    ExpectDefaults(Paint(unbound));
    Click(unbound);
    ASSERT_EQ(2u, g_opened.size());
    EXPECT_EQ(kOwnText, g_opened[1].target);
}

TEST_F(LinkStaticTest, ShowsTheHandCursorOverItself)
{
    HCURSOR hand = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));
    ASSERT_NE(nullptr, hand);
    ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512))); // the arrow
    EXPECT_EQ(TRUE, link.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(link.m_hWnd),
                                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(hand, ::GetCursor());
}

TEST_F(LinkStaticTest, ARedrawAfterNewColoursPaintsTheTextInTheNewColour)
{
    link.SetWindowText("WWWWWWWW");
    link.SetLinkColors(FALSE, RGB(255, 0, 0), RGB(0, 255, 0));
    // Painted at once: the background is green, some text pixels are red.
    HDC dc = ::GetDC(link.m_hWnd);
    bool red = false;
    for (int x = 0; x < 120 && !red; ++x)
        for (int y = 0; y < 20 && !red; ++y)
            red = ::GetPixel(dc, x, y) == RGB(255, 0, 0);
    const COLORREF corner = ::GetPixel(dc, 299, 19);
    ::ReleaseDC(link.m_hWnd, dc);
    EXPECT_TRUE(red);
    EXPECT_EQ(RGB(0, 255, 0), corner);
}
