#pragma once
// The shell a test hands to its windows: it records what they open (and
// opens nothing) and every call to the notification area, which it passes on
// to the real shell.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/TextCodec.h"
#include "ui/Shell.h"

namespace testing_support {

class ShellRecorder final : public Shell {
public:
    struct Call {
        DWORD message;
        NOTIFYICONDATAW record;
        BOOL result;
        bool windowAlive; // whether the record's window existed at the call
    };

    void Open(HWND owner, const char* target) override { opened.emplace_back(owner, target); }
    // Passed on to the real shell without its balloon: the shell shows one
    // balloon at a time to every process on the display, where tests/blackbox
    // looks for the program's own.
    BOOL NotifyIcon(DWORD message, NOTIFYICONDATAW* data) override
    {
        NOTIFYICONDATAW passed = *data;
        passed.uFlags &= ~NIF_INFO; // still fails where the icon is missing
        const BOOL result = ::Shell_NotifyIconW(message, &passed);
        calls.push_back({message, *data, result, ::IsWindow(data->hWnd) != FALSE});
        return result;
    }
    // The reminders shown, by their texts, and "-" for one withdrawn.
    std::vector<std::string> Reminders() const
    {
        std::vector<std::string> shown;
        for (const Call& call : calls)
            if (call.message == NIM_MODIFY && (call.record.uFlags & NIF_INFO))
                shown.push_back(call.record.szInfo[0] ? fw::Utf8(call.record.szInfo) : "-");
        return shown;
    }

    std::vector<std::pair<HWND, std::string>> opened;
    std::vector<Call> calls;
};

} // namespace testing_support
