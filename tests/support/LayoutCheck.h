#pragma once
// What a user sees of a window's layout, checked on the real window: every
// control inside its parent, no control over a sibling, and every text of a
// static, button or check box wholly visible in its control with the
// control's own font (word-wrapped where the control wraps).
#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

// Adds a line per fault found in the window and in its child dialogs
// (pages), each starting with `name`. Overlaps between the ids of an
// `allowed` pair are not faults.
struct AllowedOverlap {
    int first;
    int second;
};
void CheckLayout(HWND window, const std::string& name, std::vector<std::string>& faults,
                 const std::vector<AllowedOverlap>& allowed = {});

// Adds a line per access key (the letter after '&') that two visible
// controls of the window and its pages share.
void CheckMnemonics(HWND window, const std::string& name, std::vector<std::string>& faults);

// Adds a line when the window leaves more than 16 dialog units empty at an
// edge beyond its controls.
void CheckMargins(HWND window, const std::string& name, std::vector<std::string>& faults);

// A window's text, up to 1,023 characters.
std::string TextOf(HWND window);

// The access key of a text, lower case; 0 when it has none.
char Mnemonic(const std::string& text);

} // namespace testing_support
