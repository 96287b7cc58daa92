#pragma once
// Plays the main window for one page: a dialog (template 102) holding the page
// in a child sheet, so the page finds it as the parent of its parent. It owns
// the language engine, counts refreshes, records language changes and
// translates itself as the main window does. And the fixture of a page's test.
#include <commctrl.h>
#include <gtest/gtest.h>

#include "framework/DateTime.h"
#include "framework/PropertySheet.h"
#include "framework/WinApp.h"
#include "lang/LanguageManager.h"
#include "pages/MainWindowLink.h"
#include "res/resource.h"
#include "tests/support/FixedClock.h"
#include "tests/support/HelpRecorder.h"
#include "tests/support/ShellRecorder.h"
#include "tests/support/LayoutCheck.h"
#include "tests/support/Sandbox.h"

// What the main window hands its pages, as a test hands it.
struct PageServices {
    testing_support::TempFolder folder; // the executable's folder
    testing_support::FixedClock clock{COleDateTime(2004, 5, 20, 10, 15, 30)};
    testing_support::HelpTopicRecorder help;
    testing_support::ShellRecorder shell;
    LanguageManager language{folder.File(L"velindra.exe")};
};

// The page with the services it takes: its help and texts; the test of a
// page that takes others gives its own NewPage<Page> before this one is used.
template <class Page> Page NewPage(PageServices& services)
{
    return Page(services.help, services.language, TestSettings());
}

template <class Page> class PageHost : public CDialog, public MainWindowLink {
public:
    explicit PageHost(PageServices& services)
        : CDialog(IDD_MAIN), page(NewPage<Page>(services)), language(services.language)
    {
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        sheet.AddPage(&page);
        sheet.Create(this, WS_CHILD | WS_VISIBLE);
        return TRUE;
    }
    void RefreshCycleState() override
    {
        ++refreshes;
        onRefresh();
    }
    void ApplyLanguage(bool initial) override
    {
        applied.push_back(initial);
        CString stored;
        TestSettings().ReadText(SettingLang, stored);
        language.SetLanguage(stored);
        CString section;
        language.TranslateDialog(initial, false, this, IDD_MAIN, 0, section);
    }

    CPropertySheet sheet;
    Page page;
    LanguageManager& language;
    int refreshes = 0;
    std::vector<bool> applied;
    std::function<void()> onRefresh = [] {};
};

// A page in its host, the host the application's main window, a temporary
// folder as the executable's folder, a fixed clock.
template <class Page> class PageTest : public ::testing::Test {
protected:
    PageTest() : app_("Velindra") { app_.m_pMainWnd = &host; }
    ~PageTest() override
    {
        host.DestroyWindow();
        app_.m_pMainWnd = nullptr;
    }

    HWND Item(int id) const { return ::GetDlgItem(host.page.m_hWnd, id); }
    std::string Text(int id) const { return testing_support::TextOf(Item(id)); }
    // Typed over the edit's whole text, key by key.
    void TypeOver(int id, const char* characters)
    {
        ::SendMessageA(Item(id), EM_SETSEL, 0, -1);
        for (const char* c = characters; *c; ++c)
            ::SendMessageA(Item(id), WM_CHAR, static_cast<WPARAM>(*c), 1);
    }
    // The text of the balloon tip shown on the page, or empty.
    static std::string Balloon()
    {
        std::string text;
        ::EnumThreadWindows(
            ::GetCurrentThreadId(),
            [](HWND w, LPARAM found) {
                char kind[32] = "";
                ::GetClassNameA(w, kind, sizeof(kind));
                if (::IsWindowVisible(w) && lstrcmpiA(kind, TOOLTIPS_CLASSA) == 0)
                    *reinterpret_cast<std::string*>(found) = testing_support::TextOf(w);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&text));
        return text;
    }

    PageServices services;
    const COleDateTime kNow = services.clock.now;
    testing_support::TempFolder& folder = services.folder;
    SettingsStore& store = TestSettings();
    PageHost<Page> host{services};

private:
    CWinApp app_;
};
