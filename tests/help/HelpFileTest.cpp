// The help file as the program uses it: F1 on every window asks for that
// window's topic (the main window for its selected list entry, on the key's
// release; the pages and dialogs on the key going down and again on its
// release), and the help file has it; every link, picture, contents entry and
// index entry of the help file leads to a file (and anchor) of its own. The
// built velindra.chm is read as the build unpacked it (help/contents).
#include <regex>
#include <sstream>

#include "tests/app/MainWindowFixture.h"

using namespace main_window_testing;

namespace {

// <build>/bin/test_help.exe -> <build>/help/contents
std::string ContentsFolder()
{
    char path[MAX_PATH + 1] = {};
    std::string folder(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    for (int up = 0; up < 2; ++up)
        folder = folder.substr(0, folder.find_last_of("\\/"));
    return folder + "\\help\\contents\\";
}

// A file of the help file; empty when missing.
std::string Read(const std::string& name)
{
    const std::string path = ContentsFolder() + name;
    return testing_support::ReadWholeFile(std::wstring(path.begin(), path.end()));
}

// Every value that the pattern's group catches.
std::vector<std::string> Captures(const std::string& text, const char* pattern)
{
    std::vector<std::string> values;
    const std::regex expression(pattern, std::regex::icase);
    for (std::sregex_iterator it(text.begin(), text.end(), expression), end; it != end; ++it)
        values.push_back((*it)[1]);
    return values;
}

// Whether a link of the file named `from` leads into the help file: its file
// exists and holds its anchor, if any.
testing::AssertionResult LeadsInside(const std::string& from, const std::string& link)
{
    if (link.find(':') != std::string::npos)
        return testing::AssertionSuccess(); // http:, mailto: and the like lead out
    const size_t hash = link.find('#'), slash = from.find_last_of('/');
    std::string file = link.substr(0, hash);
    file = file.empty() ? from : from.substr(0, slash == std::string::npos ? 0 : slash + 1) + file;
    for (char& c : file)
        c = c == '/' ? '\\' : c;
    const std::string anchor = hash == std::string::npos ? "" : link.substr(hash + 1);
    const std::string text = Read(file);
    if (text.empty())
        return testing::AssertionFailure() << from << ": " << link << " is not in the help file";
    if (!anchor.empty() && text.find("name=\"" + anchor + "\"") == std::string::npos &&
        text.find("id=\"" + anchor + "\"") == std::string::npos)
        return testing::AssertionFailure() << from << ": " << link << " has no such anchor";
    return testing::AssertionSuccess();
}

class HelpFile : public MainWindowEnvironment {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(Read("overview.htm").empty())
            << "no unpacked help file in help/contents of the build (the target velindra_help "
               "builds it with chmcmd and extract_chmLib)";
    }
};

// F1 going down and up on the button of the dialog that the opener opens,
// then the dialog closed with it.
void PressF1InDialog(HWND opener, int controlId, int closeId)
{
    ModalScript script(controlId, {[&](HWND dialog) {
                           HWND button = ::GetDlgItem(dialog, closeId);
                           ::PostMessageA(button, WM_KEYDOWN, VK_F1, 1);
                           ::PostMessageA(button, WM_KEYUP, VK_F1, 0xC0000001);
                           ::PostMessageA(dialog, WM_COMMAND, closeId, 0);
                       }});
    ::SendMessageA(opener, BM_CLICK, 0, 0);
}

TEST_F(HelpFile, EveryWindowAsksOnF1ForItsOwnTopicWhichTheHelpFileHas)
{
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
    main->ShowMainWindow(MainDialog::PageMonitor);
    PressF1InDialog(main->Monitor().GetDlgItem(IDC_MON_HALFYEAR), IDC_HALF_NEXT, IDC_HALF_CLOSE);
    PressF1InDialog(main->GetDlgItem(IDC_MAIN_HIDE), IDC_QLH_HIDE_MESSAGE, IDC_QLH_OK);
    EXPECT_EQ(help.Topics(), expected + "halfy;halfy;tray;tray;");
    std::stringstream topics(help.Topics());
    for (std::string topic; std::getline(topics, topic, ';');)
        EXPECT_FALSE(Read(topic + ".htm").empty()) << topic;
}

TEST_F(HelpFile, EveryLinkPictureContentsAndIndexEntryLeadsInsideAndSearchIsBuilt)
{
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((ContentsFolder() + "*.htm").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do {
        for (const char* pattern : {"href\\s*=\\s*\"([^\"]*)\"", "src\\s*=\\s*\"([^\"]*)\""})
            for (const std::string& link : Captures(Read(found.cFileName), pattern))
                EXPECT_TRUE(LeadsInside(found.cFileName, link));
    } while (FindNextFileA(search, &found));
    FindClose(search);
    for (const char* list : {"velindra.hhc", "velindra.hhk"}) {
        const std::vector<std::string> entries =
            Captures(Read(list), "name\\s*=\\s*\"Local\"\\s+value\\s*=\\s*\"([^\"]*)\"");
        EXPECT_GT(entries.size(), 5u) << list;
        for (const std::string& entry : entries)
            EXPECT_TRUE(LeadsInside(list, entry));
    }
    // Full-text search and the binary keyword index.
    EXPECT_FALSE(Read("$FIftiMain").empty());
    EXPECT_FALSE(Read("$WWKeywordLinks\\BTree").empty());
}

} // namespace
