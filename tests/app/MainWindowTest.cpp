// The main window as the program builds it (a real MainDialog created
// modeless from template 102), with the clock pinned and the registry and
// the executable's folder of its own.
#include <gtest/gtest.h>

#include <memory>

#include "app/MainDialog.h"
#include "res/resource.h"
#include "tests/app/MainWindowHost.h"
#include "ui/Drawing.h"
#include "ui/LoadTintedBitmap.h"

using namespace main_window_testing;

namespace {

class MainWindowTest : public MainWindowEnvironment {
protected:
    void SelectEntry(int index)
    {
        main->Navigation().SetCurSel(index);
        main->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MAIN_NAVIGATION, LBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(main->Navigation().m_hWnd));
    }

    void Command(int id) { main->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

    // A key going down and up on a window, through the program's loop.
    void PressKey(HWND window, WPARAM key)
    {
        ::PostMessageA(window, WM_KEYDOWN, key, 1);
        ::PostMessageA(window, WM_KEYUP, key, 0xC0000001);
        PumpLikeTheProgram();
    }
};

TEST_F(MainWindowTest, StartsHiddenWithCaptionIconsAndSheetInPlace)
{
    CreateMain();
    EXPECT_FALSE(main->IsWindowVisible());
    EXPECT_EQ(main->GetWindowText(), "Velindra - www.orrowby.example");
    EXPECT_NE(main->SendMessage(WM_GETICON, ICON_BIG), 0);
    EXPECT_NE(main->SendMessage(WM_GETICON, ICON_SMALL), 0);
    EXPECT_TRUE(main->GetExStyle() & WS_EX_APPWINDOW);

    CDialogCritSheet& sheet = main->Sheet();
    ASSERT_TRUE(sheet.IsWindow());
    EXPECT_EQ(::GetParent(sheet), main->m_hWnd);
    EXPECT_TRUE(sheet.GetStyle() & WS_CHILD);
    EXPECT_TRUE(sheet.GetStyle() & WS_TABSTOP);
    EXPECT_TRUE(sheet.GetExStyle() & WS_EX_CONTROLPARENT);
    // (152, 5) pixels with the template's font on Windows: 101 x 3 dialog units.
    RECT place{101, 3, 0, 0};
    ::MapDialogRect(main->m_hWnd, &place);
    RECT placed = sheet.GetWindowRect();
    main->ScreenToClient(placed);
    EXPECT_EQ(placed.left, place.left);
    EXPECT_EQ(placed.top, place.top);
    // Clear of the navigation list and of the buttons.
    RECT list = main->Navigation().GetWindowRect();
    main->ScreenToClient(list);
    EXPECT_GE(placed.left, list.right + 2);
    RECT button{};
    ::GetWindowRect(main->GetDlgItem(IDC_MAIN_WIZARD), &button);
    main->ScreenToClient(button);
    EXPECT_LT(placed.bottom, button.top);
    RECT page = sheet.GetPage(0)->GetWindowRect();
    main->ScreenToClient(page);
    EXPECT_GE(page.left, placed.left);
    EXPECT_LE(page.right, placed.right);
    HWND tabs = sheet.GetTabControl();
    ASSERT_NE(tabs, nullptr);
    EXPECT_FALSE(::GetWindowLongPtrA(tabs, GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(::GetWindowLongPtrA(tabs, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(sheet.GetBackgroundBrush(), main->GetBackgroundBrush());
}

TEST_F(MainWindowTest, EveryPageExistsAndTheMonitorPageIsActive)
{
    CreateMain();
    CDialogCritSheet& sheet = main->Sheet();
    ASSERT_EQ(sheet.GetPageCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(sheet.GetPage(i)->IsWindow()) << "page " << i;
    EXPECT_EQ(sheet.GetActiveIndex(), 0);
    EXPECT_EQ(sheet.GetPage(0), static_cast<CPropertyPage*>(&main->Monitor()));
    EXPECT_EQ(main->Navigation().GetCurSel(), 0);
}

TEST_F(MainWindowTest, NavigationListHasTheFourEntriesWithTheirPictures)
{
    CreateMain();
    CIconListBox& list = main->Navigation();
    EXPECT_EQ(list.GetDlgCtrlID(), IDC_MAIN_NAVIGATION);
    ASSERT_EQ(list.GetCount(), 4);
    const char* names[] = {"Monitor", "Scheduler", "Options", "About"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(list.GetText(i), names[i]);
    EXPECT_EQ(list.GetIconSize().cx, 32);
    EXPECT_EQ(list.GetIconSize().cy, 32);
}

TEST_F(MainWindowTest, StripeShowsTheTintedPicture)
{
    CreateMain();
    ASSERT_NE(main->GetStripeBitmap(), nullptr);
    auto shown = reinterpret_cast<HBITMAP>(
        ::SendMessageA(main->GetDlgItem(IDC_MAIN_STRIPE), STM_GETIMAGE, IMAGE_BITMAP, 0));
    EXPECT_EQ(shown, main->GetStripeBitmap());
}

TEST_F(MainWindowTest, IsCentredOnTheWorkArea)
{
    CreateMain();
    RECT window = main->GetWindowRect();
    RECT area{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_NEAR((window.left + window.right) / 2, (area.left + area.right) / 2, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, (area.top + area.bottom) / 2, 1);
}

TEST_F(MainWindowTest, SelectingAnEntrySwitchesThePage)
{
    CreateMain();
    for (int i : {1, 2, 3, 0, 2}) {
        SelectEntry(i);
        EXPECT_EQ(main->Sheet().GetActiveIndex(), i);
    }
    SelectEntry(-1); // no selection: the Monitor page
    EXPECT_EQ(main->Sheet().GetActiveIndex(), 0);
}

TEST_F(MainWindowTest, HelpOpensTheTopicOfTheSelectedEntry)
{
    CreateMain();
    main->Navigation().SetCurSel(-1);
    Command(IDC_MAIN_HELP);
    for (int i = 0; i < 4; ++i) {
        SelectEntry(i);
        Command(IDC_MAIN_HELP);
    }
    EXPECT_EQ(Topics(), (std::vector<std::string>{"overview", "mon", "sched", "opt", "about"}));
}

TEST_F(MainWindowTest, F1OnTheMainWindowOpensHelpOnceOnKeyUp)
{
    CreateMain();
    main->ShowMainWindow(MainDialog::PageOptions);
    ::PostMessageA(main->GetDlgItem(IDC_MAIN_EXIT), WM_KEYDOWN, VK_F1, 1);
    PumpLikeTheProgram();
    EXPECT_TRUE(Topics().empty());
    ::PostMessageA(main->GetDlgItem(IDC_MAIN_EXIT), WM_KEYUP, VK_F1, 0xC0000001);
    PumpLikeTheProgram();
    EXPECT_EQ(Topics(), std::vector<std::string>{"opt"});
}

TEST_F(MainWindowTest, F1InsideAPageIsThePagesOwn)
{
    CreateMain();
    main->ShowMainWindow(MainDialog::PageScheduler);
    HWND inside = ::GetWindow(main->Sheet().GetPage(1)->m_hWnd, GW_CHILD);
    ASSERT_NE(inside, nullptr);
    PressKey(inside, VK_F1);
    EXPECT_EQ(Topics(), (std::vector<std::string>{"sched", "sched"}));
}

TEST_F(MainWindowTest, EscapeOnTheListOpensHelpAndEnterHides)
{
    WriteSettingDword(SettingHideMessage, 1);
    CreateMain();
    main->ShowMainWindow(MainDialog::PageAbout);
    main->Navigation().SetFocus();
    PressKey(main->Navigation(), VK_ESCAPE);
    EXPECT_EQ(Topics(), std::vector<std::string>{"about"});
    EXPECT_TRUE(main->IsWindowVisible());
    PressKey(main->Navigation(), VK_RETURN);
    EXPECT_FALSE(main->IsWindowVisible());
    EXPECT_EQ(Topics().size(), 1u);
}

TEST_F(MainWindowTest, MinimiseAndHideHideTheWindowWithoutTaskbarButton)
{
    WriteSettingDword(SettingHideMessage, 1);
    CreateMain();
    DialogDriver noHelpWindow(IDC_QLH_HIDE_MESSAGE,
                              [](HWND dialog) { ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    main->ShowMainWindow(MainDialog::PageMonitor);
    ASSERT_TRUE(main->IsWindowVisible());
    main->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(main->IsWindowVisible());
    EXPECT_FALSE(main->IsIconic());

    main->ShowMainWindow(MainDialog::PageMonitor);
    ::SendMessageA(main->GetDlgItem(IDC_MAIN_HIDE), BM_CLICK, 0, 0);
    EXPECT_FALSE(main->IsWindowVisible());
    PumpLikeTheProgram(100);
    EXPECT_EQ(noHelpWindow.Seen(), 0);
    EXPECT_FALSE(TakeQuitMessage());
}

TEST_F(MainWindowTest, HidingShowsTheQuickLaunchHelpUntilItIsTurnedOff)
{
    CreateMain();
    main->ShowMainWindow(MainDialog::PageMonitor);
    bool mainHiddenMeanwhile = false;
    {
        DialogDriver tick(IDC_QLH_HIDE_MESSAGE, [&](HWND dialog) {
            mainHiddenMeanwhile = !main->IsWindowVisible();
            ::SendMessageA(::GetDlgItem(dialog, IDC_QLH_HIDE_MESSAGE), BM_CLICK, 0, 0);
            ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        main->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_EQ(tick.Seen(), 1);
    }
    EXPECT_TRUE(mainHiddenMeanwhile);
    EXPECT_EQ(ReadSettingDword(SettingHideMessage), 1u);

    main->ShowMainWindow(MainDialog::PageMonitor);
    DialogDriver never(IDC_QLH_HIDE_MESSAGE,
                       [](HWND dialog) { ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    Command(IDC_MAIN_HIDE);
    PumpLikeTheProgram(100);
    EXPECT_EQ(never.Seen(), 0);
}

TEST_F(MainWindowTest, ExitStoresVisibilityAndPostsQuit)
{
    CreateMain();
    main->ShowMainWindow(MainDialog::PageMonitor);
    Command(IDC_MAIN_EXIT);
    int code = -1;
    EXPECT_TRUE(TakeQuitMessage(&code));
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadSettingDword(SettingVisibled), 1u);
    EXPECT_TRUE(main->IsWindow()); // destroyed later, by the application
    EXPECT_EQ(main->GetTrayIcon(MainDialog::TrayNormal), nullptr);
    EXPECT_EQ(main->GetTrayIcon(MainDialog::TrayPink), nullptr);
}

TEST_F(MainWindowTest, ExitFromTheMenuWhileHiddenStoresZero)
{
    CreateMain();
    Command(ID_MENU_EXIT);
    EXPECT_TRUE(TakeQuitMessage());
    EXPECT_EQ(ReadSettingDword(SettingVisibled), 0u);
}

TEST_F(MainWindowTest, CloseBoxEndsTheProgram)
{
    CreateMain();
    main->ShowMainWindow(MainDialog::PageMonitor);
    main->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(TakeQuitMessage());
    EXPECT_EQ(ReadSettingDword(SettingVisibled), 1u);
    EXPECT_TRUE(Topics().empty());
}

TEST_F(MainWindowTest, MenuCommandsShowTheWindowOnTheirPage)
{
    CreateMain();
    const int commands[] = {ID_MENU_SCHEDULER, ID_MENU_ABOUT, ID_MENU_OPTIONS, ID_MENU_OPEN};
    const int pages[] = {1, 3, 2, 0};
    for (int i = 0; i < 4; ++i) {
        main->ShowWindow(SW_HIDE);
        Command(commands[i]);
        EXPECT_TRUE(main->IsWindowVisible());
        EXPECT_EQ(main->Sheet().GetActiveIndex(), pages[i]);
        EXPECT_EQ(main->Navigation().GetCurSel(), pages[i]);
    }
}

TEST_F(MainWindowTest, TranslatesItselfAndExportsTheBuiltInTexts)
{
    CreateMain();
    std::string english = folder.Read("english.lng");
    EXPECT_NE(english.find("[DialogID_102]"), std::string::npos);
    EXPECT_NE(english.find("E&xit"), std::string::npos);
    EXPECT_NE(english.find("PageNo_3"), std::string::npos);
    // The caption is the program's own, not the template's.
    EXPECT_EQ(main->GetWindowText(), "Velindra - www.orrowby.example");
}

TEST_F(MainWindowTest, PagesFindTheMainWindowThroughTheirSheet)
{
    CreateMain();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(MainWindowOf(main->Sheet().GetPage(i)), static_cast<MainWindowLink*>(main.get()));
    EXPECT_EQ(MainWindowOf(main.get()), nullptr);
    EXPECT_EQ(AppLanguageManager(), main->GetLanguageManager());
}

int ShownMonth(MainDialog& main)
{
    return main.Monitor().Calendar().GetShownDate().GetMonth();
}

TEST_F(MainWindowTest, StartUpGivesThePinkStateAndKeepsTheMonthOfTheStartDate)
{
    StoreSampleCycle(); // today, 2004-05-20, is in the period 05-19 to 05-23
    CreateMain();
    EXPECT_EQ(main->GetTrayState(), MainDialog::TrayPink);
    EXPECT_NE(main->GetTrayIcon(MainDialog::TrayPink), nullptr);
    EXPECT_NE(main->GetTrayIcon(MainDialog::TrayPink), main->GetTrayIcon(MainDialog::TrayNormal));
    // The Monitor page still opens on the month of StartDate, freshly marked.
    EXPECT_EQ(ShownMonth(*main), 3);
    EXPECT_EQ(main->Monitor().Calendar().GetShownDate().GetYear(), 2004);
    EXPECT_TRUE(main->Monitor().IsCriticalDay(COleDateTime(2004, 3, 12, 0, 0, 0)));
    EXPECT_FALSE(main->Monitor().IsCriticalDay(COleDateTime(2004, 3, 20, 0, 0, 0)));
}

TEST_F(MainWindowTest, StartUpWithThePinkOptionOffGivesTheNormalState)
{
    StoreSampleCycle();
    WriteSettingDword(SettingCritRed, 0);
    CreateMain();
    EXPECT_EQ(main->GetTrayState(), MainDialog::TrayNormal);
}

TEST_F(MainWindowTest, StartUpOnAClearDayGivesTheNormalState)
{
    StoreSampleCycle();
    fw::PinClock(COleDateTime(2004, 5, 26, 8, 0, 0));
    CreateMain();
    EXPECT_EQ(main->GetTrayState(), MainDialog::TrayNormal);
    EXPECT_EQ(ShownMonth(*main), 3);
}

TEST_F(MainWindowTest, RefreshCycleStateBringsTheMonitorToToday)
{
    StoreSampleCycle();
    WriteSettingDword(SettingCritRed, 0);
    CreateMain();
    ASSERT_EQ(ShownMonth(*main), 3);
    main->RefreshCycleState();
    EXPECT_EQ(ShownMonth(*main), 5);
    EXPECT_TRUE(main->Monitor().IsCriticalDay(COleDateTime(2004, 5, 20, 12, 0, 0)));
    EXPECT_EQ(main->GetTrayState(), MainDialog::TrayNormal); // CritRed is off

    // A page reports a change through the link it finds above its sheet.
    WriteSettingDword(SettingCritRed, 1);
    MainWindowOf(main->Sheet().GetPage(MainDialog::PageOptions))->RefreshCycleState();
    EXPECT_EQ(main->GetTrayState(), MainDialog::TrayPink);

    fw::PinClock(COleDateTime(2004, 6, 1, 9, 0, 0));
    main->RefreshCycleState();
    EXPECT_EQ(ShownMonth(*main), 6);
    EXPECT_EQ(main->GetTrayState(), MainDialog::TrayNormal);
}

TEST_F(MainWindowTest, ASystemTimeChangeRefreshesTheCycleState)
{
    StoreSampleCycle();
    fw::PinClock(COleDateTime(2004, 6, 1, 9, 0, 0));
    CreateMain();
    ASSERT_EQ(main->GetTrayState(), MainDialog::TrayNormal);
    fw::PinClock(COleDateTime(2004, 6, 24, 9, 0, 0)); // period 06-23 to 06-27
    main->SendMessage(WM_TIMECHANGE);
    EXPECT_EQ(ShownMonth(*main), 6);
    EXPECT_EQ(main->GetTrayState(), MainDialog::TrayPink);
}

TEST_F(MainWindowTest, TheStripeIsRecolouredByTheBlueOfEachPixel)
{
    CBitmap tinted;
    ASSERT_TRUE(LoadTintedBitmap(IDB_STRIPE, tinted));
    auto stored =
        static_cast<HBITMAP>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_STRIPE),
                                          IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(stored, nullptr);
    CBitmap original;
    original.Attach(stored);
    DIBSECTION before{}, after{};
    ASSERT_EQ(::GetObjectA(original, sizeof(before), &before), int(sizeof(before)));
    ASSERT_EQ(::GetObjectA(tinted, sizeof(after), &after), int(sizeof(after)));
    ASSERT_EQ(after.dsBm.bmWidth, 76);
    ASSERT_EQ(after.dsBm.bmHeight, 286);
    auto* from = static_cast<const BYTE*>(before.dsBm.bmBits);
    auto* to = static_cast<const BYTE*>(after.dsBm.bmBits);
    int pixels = 76 * 286;
    int differentBlues = 0;
    for (int i = 0; i < pixels; i += 7) {
        COLORREF expected = TintedColor(from[3 * i]);
        ASSERT_EQ(RGB(to[3 * i + 2], to[3 * i + 1], to[3 * i]), expected) << "pixel " << i;
        differentBlues += from[3 * i] != from[0];
    }
    EXPECT_GT(differentBlues, 0); // a picture, not a flat surface
    // The darkest and the lightest possible pixel.
    COLORREF base = LightenColor(::GetSysColor(COLOR_BTNFACE), 0.3);
    EXPECT_EQ(TintedColor(0), DarkenColor(base, 0.2));
    EXPECT_EQ(TintedColor(255), DarkenColor(base, 0.2 / 256));
}

TEST_F(MainWindowTest, TintingRefusesWhatItCannotLoadOrHold)
{
    CBitmap missing;
    EXPECT_FALSE(LoadTintedBitmap(9999, missing));
    EXPECT_TRUE(missing.IsEmpty());
    CBitmap taken;
    ASSERT_TRUE(taken.LoadBitmap(IDB_NAVIGATION));
    HBITMAP before = taken;
    EXPECT_FALSE(LoadTintedBitmap(IDB_STRIPE, taken));
    EXPECT_EQ(taken.GetSafeHandle(), before);
}

} // namespace
