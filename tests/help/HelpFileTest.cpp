// The help file as the program uses it: every topic that a window asks for on
// F1 is in it, and every link, picture, contents entry and index entry in it
// leads to a file (and anchor) of the help file itself. The built
// velindra.chm is read as the build unpacked it (help/contents).
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/MainDialog.h"
#include "res/resource.h"
#include "tests/app/MainWindowHost.h"
#include "tests/support/HelpRecorder.h"

using namespace main_window_testing;

namespace {

// <build>/bin/test_help.exe -> <build>/help/contents
std::string ContentsFolder()
{
    char path[MAX_PATH + 1] = {};
    std::string folder(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    for (int up = 0; up < 2; ++up)
        folder = folder.substr(0, folder.find_last_of("\\/"));
    return folder + "\\help\\contents";
}

bool IsFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The topics of the help file: its *.htm files.
std::vector<std::string> TopicFiles()
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((ContentsFolder() + "\\*.htm").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// Every quoted value that the pattern's group catches.
std::vector<std::string> Captures(const std::string& text, const char* pattern)
{
    std::vector<std::string> values;
    const std::regex expression(pattern, std::regex::icase);
    for (std::sregex_iterator it(text.begin(), text.end(), expression), end; it != end; ++it)
        values.push_back((*it)[1]);
    return values;
}

// Whether a link of the file named `from` (relative to the help file's root)
// leads into the help file: its file exists and holds its anchor, if any.
testing::AssertionResult LeadsInside(const std::string& from, const std::string& link)
{
    if (link.find(':') != std::string::npos)
        return testing::AssertionSuccess(); // http:, mailto: and the like lead out
    const size_t hash = link.find('#');
    std::string file = link.substr(0, hash);
    const std::string anchor = hash == std::string::npos ? "" : link.substr(hash + 1);
    const size_t slash = from.find_last_of('/');
    file = file.empty() ? from : from.substr(0, slash == std::string::npos ? 0 : slash + 1) + file;
    std::string path = ContentsFolder() + "\\" + file;
    for (char& c : path)
        c = c == '/' ? '\\' : c;
    if (!IsFile(path))
        return testing::AssertionFailure() << from << ": " << link << " is not in the help file";
    const std::string text = Read(path);
    if (!anchor.empty() && text.find("name=\"" + anchor + "\"") == std::string::npos &&
        text.find("id=\"" + anchor + "\"") == std::string::npos)
        return testing::AssertionFailure() << from << ": " << link << " has no such anchor";
    return testing::AssertionSuccess();
}

class HelpFile : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(IsFile(ContentsFolder() + "\\overview.htm"))
            << "no unpacked help file in " << ContentsFolder()
            << " (the target velindra_help builds it with chmcmd and extract_chmLib)";
    }
};

// The topics asked for while driving the real windows with F1.
class ProgramTopics : public MainWindowEnvironment {
protected:
    // Returns the topics asked for, as "topic;topic;".
    std::string Drive(const std::string& what, const std::function<void()>& drive)
    {
        testing_support::HelpTopicRecorder help;
        drive();
        EXPECT_FALSE(help.Topics().empty()) << what << " asked for no topic";
        std::stringstream topics(help.Topics());
        for (std::string topic; std::getline(topics, topic, ';');)
            asked[topic] = what;
        return help.Topics();
    }

    static void PressF1(HWND window)
    {
        ::PostMessageA(window, WM_KEYDOWN, VK_F1, 1);
        ::PostMessageA(window, WM_KEYUP, VK_F1, 0xC0000001);
    }

    // F1 on a modal window that a button of the main window opens, then the
    // window closed by the given command.
    std::string DriveModal(const std::string& what, HWND opener, int controlId, int closeId)
    {
        return Drive(what, [&] {
            DialogDriver driver(controlId, [closeId](HWND dialog) {
                PressF1(::GetDlgItem(dialog, closeId));
                ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(closeId, BN_CLICKED), 0);
            });
            ::SendMessageA(opener, BM_CLICK, 0, 0);
            EXPECT_EQ(driver.Seen(), 1) << what;
        });
    }

    std::map<std::string, std::string> asked; // topic -> the window that asked
};

} // namespace

TEST_F(ProgramTopics, EveryTopicTheWindowsAskForOnF1IsInTheHelpFile)
{
    CreateMain();
    main->ShowMainWindow(MainDialog::PageMonitor);
    for (int entry = -1; entry < MainDialog::PageCount; ++entry)
        Drive("the main window, entry " + std::to_string(entry), [&] {
            main->Navigation().SetCurSel(entry);
            PressF1(main->GetDlgItem(IDC_MAIN_EXIT));
            PumpLikeTheProgram();
        });
    for (int page = 0; page < MainDialog::PageCount; ++page)
        Drive("page " + std::to_string(page), [&] {
            main->ShowMainWindow(page);
            PressF1(::GetWindow(main->Sheet().GetPage(page)->m_hWnd, GW_CHILD));
            PumpLikeTheProgram();
        });
    main->ShowMainWindow(MainDialog::PageMonitor);
    DriveModal("the half-year calendar", main->Monitor().GetDlgItem(IDC_MON_HALFYEAR),
               IDC_HALF_NEXT, IDC_HALF_CLOSE);
    // Like the pages, on the key going down and again on its release.
    EXPECT_EQ("tray;tray;", DriveModal("the small help window", main->GetDlgItem(IDC_MAIN_HIDE),
                                       IDC_QLH_HIDE_MESSAGE, IDC_QLH_OK));

    for (const auto& [topic, window] : asked)
        EXPECT_TRUE(IsFile(ContentsFolder() + "\\" + topic + ".htm"))
            << window << " asks for " << topic << ", which the help file lacks";
}

TEST_F(HelpFile, EveryLinkAndPictureOfATopicIsInside)
{
    const std::vector<std::string> topics = TopicFiles();
    ASSERT_FALSE(topics.empty());
    for (const std::string& topic : topics) {
        const std::string text = Read(ContentsFolder() + "\\" + topic);
        for (const char* pattern : {"href\\s*=\\s*\"([^\"]*)\"", "src\\s*=\\s*\"([^\"]*)\""})
            for (const std::string& link : Captures(text, pattern))
                EXPECT_TRUE(LeadsInside(topic, link));
    }
}

TEST_F(HelpFile, ContentsAndIndexListOnlyItsOwnTopicsAndSearchIsBuilt)
{
    for (const char* list : {"velindra.hhc", "velindra.hhk"}) {
        const std::vector<std::string> entries =
            Captures(Read(ContentsFolder() + "\\" + list),
                     "name\\s*=\\s*\"Local\"\\s+value\\s*=\\s*\"([^\"]*)\"");
        EXPECT_GT(entries.size(), 5u) << list;
        for (const std::string& entry : entries)
            EXPECT_TRUE(LeadsInside(list, entry));
    }
    // Full-text search and the binary keyword index.
    EXPECT_TRUE(IsFile(ContentsFolder() + "\\$FIftiMain"));
    EXPECT_TRUE(IsFile(ContentsFolder() + "\\$WWKeywordLinks\\BTree"));
}
