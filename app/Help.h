#pragma once
// The program's help: topics of the compiled HTML Help file beside the
// executable (same drive, folder and base name, extension "chm"), shown by the
// HTML Help control, which is loaded on first use so that the program starts
// and runs without it.
#include <windows.h>

#include <string>

#include "framework/Strings.h"

// Commands of HtmlHelpW that the program uses.
constexpr UINT kHelpDisplayTopic = 0x0000; // data 0
constexpr UINT kHelpInitialize = 0x001C;   // data: address of the cookie
constexpr UINT kHelpUninitialize = 0x001D; // data: the cookie

// Calls HtmlHelpW of hhctrl.ocx and returns its result; null when HTML Help is
// unavailable. The library is looked for once: the path of the HTML Help
// control's class registration, else hhctrl.ocx of the system folder (never
// one beside the program or in the current folder). A failure is remembered
// and every later call answers null at once. The library is never unloaded.
HWND CallHtmlHelp(HWND window, const wchar_t* file, UINT command, DWORD_PTR data);

// "<executable path with extension chm>::/<topic>.htm", the path in any
// characters; a path of MAX_PATH characters or more in its short form. Empty
// when the executable's path is unknown, or too long without a short form
// (the HTML Help control cannot take it).
std::wstring HelpTopicAddress(const char* topic);

// Shows a topic of the help file, owned by the application's main window;
// the first one initialises HTML Help.
void OpenHtmlHelpTopic(const char* topic);
// Ends HTML Help's initialisation, when a topic was ever opened.
void UninitializeHtmlHelp();

// Makes OpenHelpTopic (ui/HelpTopic.h) show topics of the help file.
void InstallHtmlHelp();

// Test seams; the program itself never calls these.
namespace help_testing {
// Forgets the library (it stays loaded), the failure and the entry.
void ResetHtmlHelp();
// Replaces the system folder's hhctrl.ocx as the fallback; empty restores it.
void OverrideFallbackLibrary(const CString& path);
// The library CallHtmlHelp has loaded, or null.
HMODULE LoadedLibrary();
} // namespace help_testing
