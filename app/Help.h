#pragma once
// The program's help: topics of the compiled HTML Help file beside the
// executable (same drive, folder and base name, extension "chm"), shown by the
// HTML Help control, which is loaded on first use so that the program starts
// and runs without it.
#include <windows.h>

#include <string>
#include <utility>

#include "framework/Strings.h"
#include "ui/HelpTopic.h"

// Commands of HtmlHelpW that the program uses.
constexpr UINT kHelpDisplayTopic = 0x0000; // data 0
constexpr UINT kHelpInitialize = 0x001C;   // data: address of the cookie
constexpr UINT kHelpUninitialize = 0x001D; // data: the cookie

// The HTML Help control (hhctrl.ocx), looked for once: the path of its class
// registration, else the fallback (by default hhctrl.ocx of the system
// folder; never one beside the program or in the current folder). A failure
// is remembered and every later call answers null at once. The library is
// never unloaded.
class HtmlHelpLibrary {
public:
    // An empty fallback is the system folder's hhctrl.ocx.
    explicit HtmlHelpLibrary(const CString& fallback = CString()) : fallback_(fallback) {}

    // Calls HtmlHelpW and returns its result; null when HTML Help is unavailable.
    HWND Call(HWND window, const wchar_t* file, UINT command, DWORD_PTR data);
    // The library loaded, or null.
    HMODULE Loaded() const { return module_; }

private:
    using Entry = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
    bool LoadOnce();

    CString fallback_;
    HMODULE module_ = nullptr;
    bool failed_ = false;
    Entry entry_ = nullptr;
};

// "<program path with extension chm>::/<topic>.htm" for the executable's full
// path `programFile`, the path in any characters; a path of MAX_PATH
// characters or more in its short form. Empty when the program's path is
// unknown, or too long without a short form (the HTML Help control cannot
// take it).
std::wstring HelpTopicAddress(const std::wstring& programFile, const char* topic);

// The application's help opener: topics of the help file, owned by the
// window the application names (its main window); the first one initialises
// HTML Help.
class HtmlHelp final : public HelpOpener {
public:
    // The topics of the help file beside the executable `programFile`.
    explicit HtmlHelp(std::wstring programFile) : programFile_(std::move(programFile)) {}
    HtmlHelp(const HtmlHelp&) = delete;
    HtmlHelp& operator=(const HtmlHelp&) = delete;

    void OpenTopic(const char* topic) override;
    // The window that owns every help window from now on; null for none.
    void SetOwner(HWND owner) { owner_ = owner; }
    // Ends HTML Help's initialisation, when a topic was ever opened.
    void Uninitialize();
    const HtmlHelpLibrary& Library() const { return library_; }

private:
    std::wstring programFile_;
    HtmlHelpLibrary library_;
    HWND owner_ = nullptr;
    bool initialised_ = false;
    DWORD_PTR cookie_ = 0; // pointer-sized on 64-bit systems
};
