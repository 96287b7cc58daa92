// The About page inside a child property sheet of a small host dialog that
// plays the main window: its texts, what its links, banner and button open
// (through a recording opener, so nothing is launched), that a language
// change leaves the texts the program sets alone, and its help key.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/PropertySheet.h"
#include "framework/WinApp.h"
#include "lang/LanguageManager.h"
#include "lang/LanguageOwner.h"
#include "lang/ModulePath.h"
#include "model/AppIdentity.h"
#include "model/Settings.h"
#include "pages/AboutPage.h"
#include "pages/MainWindowLink.h"
#include "res/resource.h"
#include "tests/pages/PageHost.h"
#include "tests/support/HelpRecorder.h"
#include "tests/support/Sandbox.h"
#include "ui/HelpTopic.h"
#include "ui/LinkStatic.h"

namespace {

const char kGerman[] = "[DialogID_102 - PageNo_0]\r\nID_0=Info\r\nID_1032=Produkt\r\n"
                       "ID_1033=Hinweis\r\nID_1034=Netz\r\nID_1035=Post\r\nID_1040=Bild\r\n"
                       "ID_1002=&Weitere Produkte laden...\r\n";

using Host = PageHost<CDialogCritAbout>;

struct OpenRequest {
    HWND owner;
    std::string target;
};
std::vector<OpenRequest> g_opened;
void RecordOpen(HWND owner, const char* target)
{
    g_opened.push_back({owner, target});
}

class AboutPage : public ::testing::Test {
protected:
    AboutPage() : app_("Velindra")
    {
        ModulePath::OverrideModuleFileName(folder.File("velindra.exe"));
        app_.m_pMainWnd = &host;
        previousOpener_ = SetShellOpener(&RecordOpen);
        g_opened.clear();
    }
    ~AboutPage() override
    {
        SetShellOpener(previousOpener_);
        host.DestroyWindow();
        app_.m_pMainWnd = nullptr;
        ModulePath::ResetModuleFileName();
    }

    void Open()
    {
        ASSERT_TRUE(host.Create());
        ASSERT_TRUE(host.page.IsWindow());
        host.ApplyLanguage(true);
    }
    HWND Item(int id) const { return GetDlgItem(host.page.m_hWnd, id); }
    std::string Text(int id) const
    {
        char text[256] = "";
        GetWindowTextA(Item(id), text, sizeof(text));
        return text;
    }
    void ClickLine(int id)
    {
        SendMessageA(Item(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageA(Item(id), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }
    // The brush and text colour a control gets for its painting.
    LOGBRUSH Painting(int id, COLORREF* text)
    {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        ReleaseDC(nullptr, screen);
        auto brush = reinterpret_cast<HBRUSH>(SendMessageA(host.page.m_hWnd, WM_CTLCOLORSTATIC,
                                                           reinterpret_cast<WPARAM>(dc),
                                                           reinterpret_cast<LPARAM>(Item(id))));
        LOGBRUSH described{};
        if (brush)
            GetObjectA(brush, sizeof(described), &described);
        *text = GetTextColor(dc);
        DeleteDC(dc);
        return described;
    }

    testing_support::TempFolder folder;
    Host host;

private:
    CWinApp app_;
    ShellOpener previousOpener_ = nullptr;
};

} // namespace

TEST_F(AboutPage, ShowsTheProductTheNoticeAndBothAddresses)
{
    Open();
    EXPECT_EQ("Velindra 1.1", Text(IDC_ABOUT_PRODUCT));
    EXPECT_EQ(velindra::kNoticeLine, Text(IDC_ABOUT_NOTICE));
    EXPECT_EQ(velindra::kWebAddress, Text(IDC_ABOUT_WEB));
    EXPECT_EQ(velindra::kSupportAddress, Text(IDC_ABOUT_MAIL));
    for (int id :
         {IDC_ABOUT_WEB, IDC_ABOUT_MAIL, IDC_ABOUT_NOTICE, IDC_ABOUT_PRODUCT, IDC_ABOUT_BANNER})
        EXPECT_EQ(1, GetWindowLongPtrA(Item(id), GWLP_USERDATA)) << id;
    EXPECT_EQ(0, GetWindowLongPtrA(Item(IDC_ABOUT_DOWNLOAD), GWLP_USERDATA));
}

TEST_F(AboutPage, TheAddressLinesAreBlueOnThePageAndTheBannerKeepsItsDefaults)
{
    Open();
    for (int id : {IDC_ABOUT_WEB, IDC_ABOUT_MAIL}) {
        COLORREF text = 0;
        EXPECT_EQ(static_cast<UINT>(BS_HOLLOW), Painting(id, &text).lbStyle) << id;
        EXPECT_EQ(RGB(0, 0, 255), text) << id;
    }
    COLORREF text = 0;
    const LOGBRUSH banner = Painting(IDC_ABOUT_BANNER, &text);
    EXPECT_EQ(static_cast<UINT>(BS_SOLID), banner.lbStyle);
    EXPECT_EQ(RGB(192, 192, 192), banner.lbColor);
}

TEST_F(AboutPage, TheLinksTheBannerAndTheButtonOpenTheirAddresses)
{
    Open();
    ClickLine(IDC_ABOUT_WEB);
    ClickLine(IDC_ABOUT_MAIL);
    ClickLine(IDC_ABOUT_BANNER);
    SendMessageA(Item(IDC_ABOUT_DOWNLOAD), BM_CLICK, 0, 0);
    ASSERT_EQ(4u, g_opened.size());
    EXPECT_EQ(velindra::kWebAddress, g_opened[0].target);
    EXPECT_EQ("mailto:support@orrowby.example", g_opened[1].target);
    EXPECT_EQ(velindra::kWebAddress, g_opened[2].target);
    EXPECT_EQ(velindra::kWebAddress, g_opened[3].target);
    // The links open on behalf of the page, the button on behalf of the main window.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(host.page.m_hWnd, g_opened[i].owner) << i;
    EXPECT_EQ(host.m_hWnd, g_opened[3].owner);
}

TEST_F(AboutPage, WithoutAMainWindowTheWebSiteOpensWithoutOwner)
{
    CDialogCritAbout page;
    CWinApp* app = AfxGetApp();
    app->m_pMainWnd = nullptr;
    page.OpenWebSite();
    app->m_pMainWnd = &host;
    ASSERT_EQ(1u, g_opened.size());
    EXPECT_EQ(nullptr, g_opened[0].owner);
    EXPECT_EQ(velindra::kWebAddress, g_opened[0].target);
}

TEST_F(AboutPage, ALanguageChangeLeavesTheTextsTheProgramSetsAlone)
{
    ASSERT_TRUE(folder.Write("german.lng", kGerman));
    Open();
    ASSERT_TRUE(WriteSettingText(SettingLang, "german"));
    host.ApplyLanguage(false);
    // The button follows the language ...
    EXPECT_EQ("&Weitere Produkte laden...", Text(IDC_ABOUT_DOWNLOAD));
    // ... the product, the notice and both addresses do not.
    EXPECT_EQ("Velindra 1.1", Text(IDC_ABOUT_PRODUCT));
    EXPECT_EQ(velindra::kNoticeLine, Text(IDC_ABOUT_NOTICE));
    EXPECT_EQ(velindra::kWebAddress, Text(IDC_ABOUT_WEB));
    EXPECT_EQ(velindra::kSupportAddress, Text(IDC_ABOUT_MAIL));
    // Nor did english.lng receive them at the first translation.
    const std::string english = folder.Read("english.lng");
    EXPECT_NE(std::string::npos, english.find("ID_1002="));
    EXPECT_EQ(std::string::npos, english.find("ID_1032="));
    EXPECT_EQ(std::string::npos, english.find("ID_1034="));
}

TEST_F(AboutPage, F1AsksForTheAboutTopicOnKeyDownAndKeyUp)
{
    Open();
    testing_support::HelpTopicRecorder help;
    MSG down{Item(IDC_ABOUT_DOWNLOAD), WM_KEYDOWN, VK_F1, 0x003B0001, 0, {}};
    MSG up{Item(IDC_ABOUT_DOWNLOAD), WM_KEYUP, VK_F1, static_cast<LPARAM>(0xC03B0001), 0, {}};
    EXPECT_TRUE(WalkPreTranslateTree(host.m_hWnd, &down));
    EXPECT_TRUE(WalkPreTranslateTree(host.m_hWnd, &up));
    EXPECT_EQ("about;about;", help.Topics());
}
