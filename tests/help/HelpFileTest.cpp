// The help file as the program uses it: F1 on every window asks for that
// window's topic (the main window for its selected list entry, on the key's
// release; the pages and dialogs on the key going down and again on its
// release), and the help file has it; every link, picture, contents entry and
// index entry of the help file leads to a file (and anchor) of its own. The
// built velindra.chm is read as the build unpacked it (help/contents).
#include <fstream>
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

bool IsFile(const std::string& name)
{
    const DWORD attributes = GetFileAttributesA((ContentsFolder() + name).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Read(const std::string& name)
{
    std::ifstream in(ContentsFolder() + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
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
    if (!IsFile(file))
        return testing::AssertionFailure() << from << ": " << link << " is not in the help file";
    const std::string text = Read(file);
    if (!anchor.empty() && text.find("name=\"" + anchor + "\"") == std::string::npos &&
        text.find("id=\"" + anchor + "\"") == std::string::npos)
        return testing::AssertionFailure() << from << ": " << link << " has no such anchor";
    return testing::AssertionSuccess();
}

class HelpFile : public MainWindowEnvironment {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(IsFile("overview.htm"))
            << "no unpacked help file in " << ContentsFolder()
            << " (the target velindra_help builds it with chmcmd and extract_chmLib)";
    }

    // F1 pressed as `press` does; the topics asked for must be `expected`
    // ("topic;topic;"), each a file of the help file.
    void ExpectTopics(const std::string& window, const std::function<void()>& press,
                      const std::string& expected)
    {
        testing_support::HelpTopicRecorder asked;
        press();
        EXPECT_EQ(asked.Topics(), expected) << window;
        std::stringstream topics(asked.Topics());
        for (std::string topic; std::getline(topics, topic, ';');)
            EXPECT_TRUE(IsFile(topic + ".htm")) << window << " asks for " << topic;
    }
    void ExpectModalTopics(const std::string& window, HWND opener, int controlId, int closeId,
                           const std::string& expected)
    {
        ExpectTopics(
            window,
            [&] {
                ModalScript script(controlId, {[&](HWND dialog) {
                                       HWND button = ::GetDlgItem(dialog, closeId);
                                       ::PostMessageA(button, WM_KEYDOWN, VK_F1, 1);
                                       ::PostMessageA(button, WM_KEYUP, VK_F1, 0xC0000001);
                                       ::PostMessageA(dialog, WM_COMMAND, closeId, 0);
                                   }});
                ::SendMessageA(opener, BM_CLICK, 0, 0);
            },
            expected);
    }
};

TEST_F(HelpFile, EveryWindowAsksOnF1ForItsOwnTopicWhichTheHelpFileHas)
{
    static const char* const kTopics[] = {"mon", "sched", "opt", "about"};
    CreateMain();
    main->ShowMainWindow(MainDialog::PageMonitor);
    for (int entry = -1; entry < MainDialog::PageCount; ++entry)
        ExpectTopics(
            "the main window, entry " + std::to_string(entry),
            [&] {
                main->Navigation().SetCurSel(entry);
                PressKey(main->GetDlgItem(IDC_MAIN_EXIT), VK_F1);
            },
            std::string(entry < 0 ? "overview" : kTopics[entry]) + ";");
    for (int page = 0; page < MainDialog::PageCount; ++page)
        ExpectTopics(
            "page " + std::to_string(page),
            [&] {
                main->ShowMainWindow(page);
                PressKey(::GetWindow(main->Sheet().GetPage(page)->m_hWnd, GW_CHILD), VK_F1);
            },
            std::string(kTopics[page]) + ";" + kTopics[page] + ";");
    main->ShowMainWindow(MainDialog::PageMonitor);
    ExpectModalTopics("the half-year calendar", main->Monitor().GetDlgItem(IDC_MON_HALFYEAR),
                      IDC_HALF_NEXT, IDC_HALF_CLOSE, "halfy;halfy;");
    ExpectModalTopics("the help window on hiding", main->GetDlgItem(IDC_MAIN_HIDE),
                      IDC_QLH_HIDE_MESSAGE, IDC_QLH_OK, "tray;tray;");
}

TEST_F(HelpFile, EveryLinkPictureContentsAndIndexEntryLeadsInsideAndSearchIsBuilt)
{
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((ContentsFolder() + "*.htm").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do {
        const std::string text = Read(found.cFileName);
        for (const char* pattern : {"href\\s*=\\s*\"([^\"]*)\"", "src\\s*=\\s*\"([^\"]*)\""})
            for (const std::string& link : Captures(text, pattern))
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
    EXPECT_TRUE(IsFile("$FIftiMain"));
    EXPECT_TRUE(IsFile("$WWKeywordLinks\\BTree"));
}

} // namespace
