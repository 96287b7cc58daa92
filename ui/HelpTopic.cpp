#include "ui/HelpTopic.h"

#include <windows.h>

bool IsHelpKey(const MSG* message)
{
    return message && (message->message == WM_KEYDOWN || message->message == WM_KEYUP) &&
           message->wParam == VK_F1;
}
