// The wizard's sheet and its three pages, run modally as the main window runs
// them and driven from a timer: what each page holds after Finish, the
// buttons each step enables, the side picture, and the painting.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "model/Settings.h"
#include "pages/WizardSheet.h"
#include "pages/WizardSteps.h"
#include "res/resource.h"
#include "tests/pages/WizardScript.h"
#include "tests/support/Sandbox.h"
#include "ui/Drawing.h"

using namespace wizard_testing;

namespace {

const COleDateTime kOpened(2004, 5, 20, 12, 0, 0);

COLORREF Face()
{
    return ::GetSysColor(COLOR_BTNFACE);
}

// One pixel of a window's client area as painted.
COLORREF PixelOf(HWND window, int x, int y)
{
    ::UpdateWindow(window);
    return testing_support::ReadWindowPixel(window, x, y);
}

bool Shown(HWND sheet, int button)
{
    HWND window = ::GetDlgItem(sheet, button);
    return window && ::IsWindowVisible(window) && ::IsWindowEnabled(window);
}

HBITMAP SideImage(CPropertySheet& sheet)
{
    return reinterpret_cast<HBITMAP>(
        ::SendDlgItemMessageA(CurrentPage(sheet), IDC_WIZ_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

void SetPicker(HWND page, const COleDateTime& date)
{
    SYSTEMTIME time{};
    ASSERT_TRUE(date.GetAsSystemTime(time));
    ::SendDlgItemMessageA(page, IDC_WIZ1_DATE, DTM_SETSYSTEMTIME, GDT_VALID,
                          reinterpret_cast<LPARAM>(&time));
}

COleDateTime PickerTime(HWND page)
{
    SYSTEMTIME time{};
    ::SendDlgItemMessageA(page, IDC_WIZ1_DATE, DTM_GETSYSTEMTIME, 0,
                          reinterpret_cast<LPARAM>(&time));
    return COleDateTime(time);
}

class WizardTest : public testing::Test {
protected:
    WizardTest()
    {
        fw::PinClock(kOpened);
        sheet.AddPage(&step1);
        sheet.AddPage(&step2);
        sheet.AddPage(&step3);
        sheet.m_psh.dwFlags |= PSH_WIZARD;
    }
    ~WizardTest() override { fw::UnpinClock(); }

    INT_PTR Run(std::vector<Step> steps)
    {
        WizardScript script(std::move(steps));
        INT_PTR result = sheet.DoModal();
        EXPECT_EQ(nullptr, sheet.m_hWnd);
        return result;
    }

    CDialogWiz1 step1;
    CDialogWiz2 step2;
    CDialogWiz3 step3;
    CDialogWizSheet sheet;
};

} // namespace

TEST_F(WizardTest, UntouchedFinishHoldsTheOpeningTimeAndTheDefaultCounts)
{
    INT_PTR result = Run({
        [](CPropertySheet&) { fw::PinClock(COleDateTime(2004, 5, 20, 12, 7, 30)); },
        Press(PSBTN_NEXT),
        Press(PSBTN_NEXT),
        Press(PSBTN_FINISH),
    });
    EXPECT_EQ(ID_WIZFINISH, result);
    EXPECT_EQ(kOpened, step1.GetChosenDate());
    EXPECT_EQ(3, step2.GetCount());
    EXPECT_EQ(28, step3.GetCount());
    // The pages only hold the values; storing them is the main window's part.
    std::string stored;
    EXPECT_FALSE(ReadSettingText(SettingStartDate, stored));
}

TEST_F(WizardTest, EachStepEnablesItsOwnButtons)
{
    Run({
        [](CPropertySheet& s) {
            EXPECT_FALSE(Shown(s, ID_WIZBACK));
            EXPECT_TRUE(Shown(s, ID_WIZNEXT));
            EXPECT_FALSE(Shown(s, ID_WIZFINISH));
        },
        Press(PSBTN_NEXT),
        [](CPropertySheet& s) {
            EXPECT_TRUE(Shown(s, ID_WIZBACK));
            EXPECT_TRUE(Shown(s, ID_WIZNEXT));
            EXPECT_FALSE(Shown(s, ID_WIZFINISH));
        },
        Press(PSBTN_NEXT),
        [](CPropertySheet& s) {
            EXPECT_TRUE(Shown(s, ID_WIZBACK));
            EXPECT_FALSE(Shown(s, ID_WIZNEXT));
            EXPECT_TRUE(Shown(s, ID_WIZFINISH));
        },
        Press(PSBTN_BACK),
        Press(PSBTN_BACK),
        [](CPropertySheet& s) { EXPECT_FALSE(Shown(s, ID_WIZBACK)); },
        Press(PSBTN_CANCEL),
    });
}

TEST_F(WizardTest, CountsTakeTheSpinAnswerAndUnusableEntriesFallBackToTheDefaults)
{
    INT_PTR result = Run({
        Press(PSBTN_NEXT),
        Type(IDC_WIZ2_EDIT, "45"),
        [this](CPropertySheet&) {
            EXPECT_GE(step2.GetCount(), 0x10000); // the spin reports failure
            EXPECT_EQ(3, UsableCount(step2.GetCount(), kCritDayRule));
        },
        Type(IDC_WIZ2_EDIT, "0"),
        [this](CPropertySheet&) { EXPECT_EQ(3, UsableCount(step2.GetCount(), kCritDayRule)); },
        Type(IDC_WIZ2_EDIT, "30"),
        [this](CPropertySheet&) { EXPECT_EQ(30, step2.GetCount()); },
        Press(PSBTN_NEXT),
        Type(IDC_WIZ3_EDIT, "2"),
        [this](CPropertySheet&) { EXPECT_EQ(28, UsableCount(step3.GetCount(), kClearDayRule)); },
        Type(IDC_WIZ3_EDIT, "abc"),
        [this](CPropertySheet&) { EXPECT_EQ(28, UsableCount(step3.GetCount(), kClearDayRule)); },
        Type(IDC_WIZ3_EDIT, ""),
        Press(PSBTN_FINISH),
    });
    EXPECT_EQ(ID_WIZFINISH, result);
    EXPECT_EQ(30, step2.GetCount());
    EXPECT_GE(step3.GetCount(), 0x10000);
    EXPECT_EQ(28, UsableCount(step3.GetCount(), kClearDayRule));
}

TEST_F(WizardTest, GoingBackToTheFirstStepAndForwardKeepsTheCounts)
{
    INT_PTR result = Run({
        Press(PSBTN_NEXT),
        Type(IDC_WIZ2_EDIT, "12"),
        Press(PSBTN_NEXT),
        Type(IDC_WIZ3_EDIT, "40"),
        Press(PSBTN_BACK),
        Press(PSBTN_BACK),
        Press(PSBTN_NEXT),
        [](CPropertySheet& s) {
            char text[8] = {};
            ::GetDlgItemTextA(CurrentPage(s), IDC_WIZ2_EDIT, text, sizeof(text));
            EXPECT_STREQ("12", text);
        },
        Press(PSBTN_NEXT),
        Press(PSBTN_FINISH),
    });
    EXPECT_EQ(ID_WIZFINISH, result);
    EXPECT_EQ(12, step2.GetCount());
    EXPECT_EQ(40, step3.GetCount());
}

TEST_F(WizardTest, TheFirstStepRereadsItsPickerWhenShownAgain)
{
    const COleDateTime picked(2003, 1, 15, 8, 45, 0);
    INT_PTR result = Run({
        // Set from code: the picker raises no change notification.
        [&](CPropertySheet& s) { SetPicker(CurrentPage(s), picked); },
        [this](CPropertySheet&) { EXPECT_EQ(kOpened, step1.GetChosenDate()); },
        Press(PSBTN_NEXT),
        Press(PSBTN_BACK),
        [&, this](CPropertySheet&) { EXPECT_EQ(picked, step1.GetChosenDate()); },
        Press(PSBTN_NEXT),
        Press(PSBTN_NEXT),
        Press(PSBTN_FINISH),
    });
    EXPECT_EQ(ID_WIZFINISH, result);
    EXPECT_EQ(picked, step1.GetChosenDate());
}

TEST_F(WizardTest, ChangingThePickerAndThenTodayChoosesTheCurrentTime)
{
    const COleDateTime later(2004, 5, 20, 12, 5, 0);
    INT_PTR result = Run({
        [](CPropertySheet& s) {
            HWND picker = ::GetDlgItem(CurrentPage(s), IDC_WIZ1_DATE);
            ::SetFocus(picker);
            // A change by keyboard: to a field, then one step up.
            ::SendMessageA(picker, WM_KEYDOWN, VK_RIGHT, 0);
            ::SendMessageA(picker, WM_KEYDOWN, VK_UP, 0);
        },
        [this](CPropertySheet& s) {
            COleDateTime shown = PickerTime(CurrentPage(s));
            EXPECT_NE(kOpened, shown);
            EXPECT_EQ(shown, step1.GetChosenDate());
        },
        [&](CPropertySheet& s) {
            fw::PinClock(later);
            ::SendDlgItemMessageA(CurrentPage(s), IDC_WIZ1_TODAY, BM_CLICK, 0, 0);
        },
        [&, this](CPropertySheet& s) {
            EXPECT_EQ(later, step1.GetChosenDate());
            EXPECT_EQ(later, PickerTime(CurrentPage(s)));
        },
        Press(PSBTN_NEXT),
        Press(PSBTN_NEXT),
        Press(PSBTN_FINISH),
    });
    EXPECT_EQ(ID_WIZFINISH, result);
    EXPECT_EQ(later, step1.GetChosenDate());
}

TEST_F(WizardTest, CancelAnswersOtherwiseThanFinish)
{
    INT_PTR result = Run({
        Press(PSBTN_NEXT),
        Type(IDC_WIZ2_EDIT, "9"),
        Press(PSBTN_CANCEL),
    });
    EXPECT_NE(ID_WIZFINISH, result);
}

TEST_F(WizardTest, SidePictureIsReloadedOnEveryActivationAndTheOldOneReleased)
{
    HBITMAP first = nullptr;
    Run({
        [&, this](CPropertySheet& s) {
            first = SideImage(s);
            ASSERT_NE(nullptr, first);
            EXPECT_EQ(step1.GetSideBitmap(), first);
            BITMAP info{};
            ASSERT_NE(0, ::GetObjectA(first, sizeof(info), &info));
            EXPECT_EQ(100, info.bmWidth);
            EXPECT_EQ(232, info.bmHeight);
            EXPECT_EQ(24, info.bmBitsPixel);
        },
        Press(PSBTN_NEXT),
        [this](CPropertySheet& s) { EXPECT_EQ(step2.GetSideBitmap(), SideImage(s)); },
        Press(PSBTN_BACK),
        [&, this](CPropertySheet& s) {
            HBITMAP again = SideImage(s);
            EXPECT_NE(nullptr, again);
            EXPECT_NE(first, again);
            EXPECT_EQ(step1.GetSideBitmap(), again);
            EXPECT_EQ(0u, ::GetObjectType(first)); // deleted
        },
        Press(PSBTN_CANCEL),
    });
}

TEST_F(WizardTest, SheetSurfaceIsLighterThanThePages)
{
    const COLORREF lighter = LightenColor(Face(), 0.24);
    Run({
        [&, this](CPropertySheet& s) {
            HBRUSH brush = sheet.GetBackgroundBrush();
            ASSERT_NE(nullptr, brush);
            LOGBRUSH info{};
            ::GetObjectA(brush, sizeof(info), &info);
            EXPECT_EQ(lighter, info.lbColor);
            HDC dc = ::GetDC(s.m_hWnd);
            EXPECT_EQ(reinterpret_cast<LRESULT>(brush),
                      s.SendMessage(WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                    reinterpret_cast<LPARAM>(s.m_hWnd)));
            HWND next = ::GetDlgItem(s.m_hWnd, ID_WIZNEXT);
            EXPECT_NE(reinterpret_cast<LRESULT>(brush),
                      s.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                    reinterpret_cast<LPARAM>(next)));
            ::ReleaseDC(s.m_hWnd, dc);

            RECT client = s.GetClientRect();
            EXPECT_EQ(lighter, PixelOf(s.m_hWnd, 2, client.bottom - 2));
        },
        Press(PSBTN_CANCEL),
    });
}

TEST_F(WizardTest, PagesFrameTheSidePictureAndTheirContent)
{
    const COLORREF corner = LightenColor(Face(), 0.24);
    const COLORREF outer = DarkenColor(Face(), 0.15);
    auto checkFrames = [&](CPropertySheet& s) {
        HWND page = CurrentPage(s);
        RECT picture{};
        ::GetWindowRect(::GetDlgItem(page, IDC_WIZ_PICTURE), &picture);
        ::MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&picture), 2);
        RECT frame = picture;
        ::InflateRect(&frame, 2, 2);
        frame.bottom += 1;
        EXPECT_EQ(corner, PixelOf(page, frame.left, frame.top));
        EXPECT_EQ(corner, PixelOf(page, frame.left, frame.bottom - 1));
        EXPECT_EQ(outer, PixelOf(page, frame.left, frame.top + 10));
        EXPECT_EQ(outer, PixelOf(page, frame.right - 1, frame.top + 10));

        RECT client{};
        ::GetClientRect(page, &client);
        EXPECT_EQ(corner, PixelOf(page, 106, 0));
        EXPECT_EQ(corner, PixelOf(page, client.right - 1, client.bottom - 1));
        EXPECT_EQ(outer, PixelOf(page, 106, client.bottom / 2));
        EXPECT_EQ(outer, PixelOf(page, 150, client.bottom - 1));
    };
    Run({checkFrames, Press(PSBTN_NEXT), checkFrames, Press(PSBTN_NEXT), checkFrames,
         Press(PSBTN_CANCEL)});
}
