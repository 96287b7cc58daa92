// The help file as the program uses it: F1 on every window asks for that
// window's topic (the main window for its selected list entry, on the key's
// release; the pages and dialogs on the key going down and again on its
// release), and the help file has it; the privacy topic names every value
// the program stores. The built velindra.chm is read as the build unpacked
// it (help/contents).
#include <sstream>

#include "tests/app/MainWindowFixture.h"

using namespace main_window_testing;

namespace {

// A file of the help file (<build>/bin/test_help.exe -> <build>/help/contents);
// empty when missing.
std::string Read(const std::string& name)
{
    wchar_t path[MAX_PATH + 1] = {};
    const std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    const std::wstring bin = self.substr(0, self.find_last_of(L'\\'));
    return testing_support::ReadWholeFile(bin.substr(0, bin.find_last_of(L'\\')) +
                                          L"\\help\\contents\\" +
                                          std::wstring(name.begin(), name.end()));
}

using HelpFile = MainWindowEnvironment;

TEST_F(HelpFile, EveryWindowAsksOnF1ForItsOwnTopicWhichTheHelpFileHas)
{
    ASSERT_FALSE(Read("overview.htm").empty())
        << "no unpacked help file in help/contents of the build (the target velindra_help "
           "builds it with chmcmd and extract_chmLib)";
    static const char* const kTopics[] = {"mon", "sched", "opt", "about"};
    CreateMain();
    main->ShowMainWindow(MainDialog::PageMonitor);
    std::string expected;
    for (int entry = -1; entry < MainDialog::PageCount; ++entry) {
        main->Navigation().SetCurSel(entry);
        PressKey(main->GetDlgItem(IDC_MAIN_EXIT), VK_F1);
        expected += std::string(entry < 0 ? "overview" : kTopics[entry]) + ";";
    }
    for (int page = 0; page < MainDialog::PageCount; ++page) {
        main->ShowMainWindow(page);
        PressKey(::GetWindow(main->Sheet().GetPage(page)->m_hWnd, GW_CHILD), VK_F1);
        expected += std::string(kTopics[page]) + ";" + kTopics[page] + ";";
    }
    // F1 going down and up on the button of the dialog that the opener opens,
    // then the dialog closed with it.
    auto f1InDialog = [](HWND opener, int controlId, int closeId) {
        ModalScript script(controlId, {[&](HWND dialog) {
                               HWND button = ::GetDlgItem(dialog, closeId);
                               ::PostMessageA(button, WM_KEYDOWN, VK_F1, 1);
                               ::PostMessageA(button, WM_KEYUP, VK_F1, 0xC0000001);
                               ::PostMessageA(dialog, WM_COMMAND, closeId, 0);
                           }});
        ::SendMessageA(opener, BM_CLICK, 0, 0);
    };
    main->ShowMainWindow(MainDialog::PageMonitor);
    f1InDialog(main->Monitor().GetDlgItem(IDC_MON_HALFYEAR), IDC_HALF_NEXT, IDC_HALF_CLOSE);
    f1InDialog(main->Monitor().GetDlgItem(IDC_MON_HISTORY), IDC_HIST_REMOVE, IDC_HIST_CLOSE);
    f1InDialog(main->GetDlgItem(IDC_MAIN_HIDE), IDC_QLH_HIDE_MESSAGE, IDC_QLH_OK);
    EXPECT_EQ(help.Topics(), expected + "halfy;halfy;history;history;tray;tray;");
    std::stringstream topics(help.Topics());
    for (std::string topic; std::getline(topics, topic, ';');)
        EXPECT_FALSE(Read(topic + ".htm").empty()) << topic;
}

TEST(HelpFilePrivacy, NamesEveryValueTheProgramStores)
{
    const std::string topic = Read("privacy.htm");
    for (int id = 0; const char* name = SettingValueName(static_cast<SettingId>(id)); ++id)
        EXPECT_NE(topic.find("<code>" + std::string(name) + "</code>"), std::string::npos) << name;
}

} // namespace
