// TrayIcon on its own: the record it hands the shell, when it calls the shell
// at all, and what the real notification area (Wine's tray) makes of it.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "app/TrayIcon.h"
#include "framework/Wnd.h"
#include "res/resource.h"
#include "tests/app/TrayRecorder.h"

using tray_testing::ShellCall;
using tray_testing::ShellRecorder;

namespace {

class TrayIconTest : public ::testing::Test {
protected:
    TrayIconTest()
    {
        owner.CreateEx(0, nullptr, "tray owner", WS_POPUP, RECT{0, 0, 20, 20}, nullptr, 0);
        normal = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32512));    // IDI_APPLICATION
        alternate = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32516)); // IDI_INFORMATION
    }

    CWnd owner;
    HICON normal = nullptr;
    HICON alternate = nullptr;
};

TEST_F(TrayIconTest, AddFillsTheFirstVersionRecordWithTheNormalIcon)
{
    ASSERT_TRUE(owner.IsWindow());
    ShellRecorder shell;
    TrayIcon tray;
    EXPECT_TRUE(tray.AddIcon(&owner, "Velindra", normal, alternate));
    ASSERT_EQ(shell.Calls().size(), 1u);
    const ShellCall& call = shell.Calls()[0];
    EXPECT_EQ(call.message, static_cast<DWORD>(NIM_ADD));
    EXPECT_TRUE(call.result);
    // The first version of the record ends with the 64-character tooltip.
    EXPECT_EQ(call.record.cbSize, offsetof(NOTIFYICONDATAA, szTip) + 64);
    EXPECT_EQ(call.record.hWnd, owner.m_hWnd);
    EXPECT_EQ(call.record.uID, 0u);
    EXPECT_EQ(call.record.uFlags, 7u);
    EXPECT_EQ(call.record.uCallbackMessage, 0x805u);
    EXPECT_EQ(call.record.hIcon, normal);
    EXPECT_STREQ(call.record.szTip, "Velindra");
    EXPECT_EQ(tray.GetState(), TrayIcon::StateNormal);
    EXPECT_TRUE(tray.IsAdded());
}

TEST_F(TrayIconTest, EmptyTooltipLeavesTheTipFlagOut)
{
    ShellRecorder shell(false);
    TrayIcon tray;
    tray.AddIcon(&owner, "", normal, alternate);
    ASSERT_EQ(shell.Calls().size(), 1u);
    EXPECT_EQ(shell.Calls()[0].record.uFlags, 3u);
    EXPECT_STREQ(shell.Calls()[0].record.szTip, "");

    TrayIcon withoutText;
    withoutText.AddIcon(nullptr, nullptr, normal, alternate);
    ASSERT_EQ(shell.Calls().size(), 2u);
    EXPECT_EQ(shell.Calls()[1].record.uFlags, 3u);
    EXPECT_EQ(shell.Calls()[1].record.hWnd, nullptr);
}

TEST_F(TrayIconTest, LongTooltipIsCutToSixtyOneCharacters)
{
    ShellRecorder shell(false);
    std::string tip(70, 'x');
    tip[60] = 'E'; // the last character kept
    TrayIcon tray;
    tray.AddIcon(&owner, tip.c_str(), normal, alternate);
    std::string sent = shell.Calls().at(0).record.szTip;
    EXPECT_EQ(sent.size(), 61u);
    EXPECT_EQ(sent, tip.substr(0, 61));
    EXPECT_EQ(sent.back(), 'E');
}

TEST_F(TrayIconTest, SecondAddChangesNothingAndAnswersTheFirstResult)
{
    ShellRecorder shell;
    TrayIcon tray;
    ASSERT_TRUE(tray.AddIcon(&owner, "Velindra", normal, alternate));
    tray.SetState(TrayIcon::StateAlternate);
    EXPECT_TRUE(tray.AddIcon(&owner, "Other", alternate, normal));
    EXPECT_EQ(shell.Count(NIM_ADD), 1);
    EXPECT_EQ(tray.GetState(), TrayIcon::StateAlternate);
    EXPECT_STREQ(tray.GetRecord().szTip, "Velindra");
}

TEST_F(TrayIconTest, StateChangesReachTheShellOnlyWhenTheStateChanges)
{
    ShellRecorder shell;
    TrayIcon tray;
    ASSERT_TRUE(tray.AddIcon(&owner, "Velindra", normal, alternate));
    shell.Clear();

    tray.SetState(TrayIcon::StateNormal); // already shown
    EXPECT_TRUE(shell.Calls().empty());

    tray.SetState(TrayIcon::StateAlternate);
    ASSERT_EQ(shell.Calls().size(), 1u);
    EXPECT_EQ(shell.Calls()[0].message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(shell.Calls()[0].record.hIcon, alternate);
    EXPECT_TRUE(shell.Calls()[0].result);

    tray.SetState(TrayIcon::StateAlternate);
    EXPECT_EQ(shell.Calls().size(), 1u);

    tray.SetState(TrayIcon::StateNormal);
    ASSERT_EQ(shell.Calls().size(), 2u);
    EXPECT_EQ(shell.Calls()[1].record.hIcon, normal);
    EXPECT_EQ(tray.GetState(), TrayIcon::StateNormal);
}

TEST_F(TrayIconTest, FailedAddKeepsTheStateSilentlyUntilTheIconIsAddedAgain)
{
    ShellRecorder shell(false, FALSE);
    TrayIcon tray;
    EXPECT_FALSE(tray.AddIcon(&owner, "Velindra", normal, alternate));
    tray.SetState(TrayIcon::StateAlternate);
    EXPECT_EQ(shell.Calls().size(), 1u);
    EXPECT_EQ(tray.GetState(), TrayIcon::StateAlternate);
    // The shell came up (TaskbarCreated): the icon goes in as it stands.
    EXPECT_FALSE(tray.AddAgain());
    ASSERT_GE(shell.Count(NIM_ADD), 2);
    EXPECT_EQ(shell.Calls()[1].record.hIcon, alternate);
    EXPECT_FALSE(tray.RemoveIcon());
    EXPECT_FALSE(tray.AddAgain()); // removed for good
}

TEST_F(TrayIconTest, RemovalDeletesTheIconOnceAndTheDestructorRemovesIt)
{
    ShellRecorder shell;
    {
        TrayIcon tray;
        ASSERT_TRUE(tray.AddIcon(&owner, "Velindra", normal, alternate));
        EXPECT_TRUE(tray.RemoveIcon());
        EXPECT_FALSE(tray.RemoveIcon());
        EXPECT_FALSE(tray.IsAdded());
        ASSERT_EQ(shell.Count(NIM_DELETE), 1);
        EXPECT_TRUE(shell.Calls().back().result);
    }
    EXPECT_EQ(shell.Count(NIM_DELETE), 1);
    {
        TrayIcon tray;
        ASSERT_TRUE(tray.AddIcon(&owner, "Velindra", normal, alternate));
    }
    EXPECT_EQ(shell.Count(NIM_DELETE), 2);
    EXPECT_TRUE(shell.Calls().back().result);
}

// The shell refuses a second icon of the same window and id: the first one
// is really there, and gone again once removed.
TEST_F(TrayIconTest, TheIconIsInTheNotificationAreaUntilRemoved)
{
    TrayIcon first;
    ASSERT_TRUE(first.AddIcon(&owner, "Velindra", normal, alternate));
    TrayIcon second;
    EXPECT_FALSE(second.AddIcon(&owner, "Velindra", normal, alternate));
    EXPECT_TRUE(first.RemoveIcon());
    TrayIcon third;
    EXPECT_TRUE(third.AddIcon(&owner, "Velindra", normal, alternate));
}

} // namespace
