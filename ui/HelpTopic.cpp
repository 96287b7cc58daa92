#include "ui/HelpTopic.h"

#include <windows.h>

#include <utility>

namespace {
HelpTopicOpener g_opener = nullptr;
}

HelpTopicOpener SetHelpTopicOpener(HelpTopicOpener opener)
{
    return std::exchange(g_opener, opener);
}

void OpenHelpTopic(const char* topic)
{
    if (g_opener && topic)
        g_opener(topic);
}

bool IsHelpKey(const MSG* message)
{
    return message && (message->message == WM_KEYDOWN || message->message == WM_KEYUP) &&
           message->wParam == VK_F1;
}
