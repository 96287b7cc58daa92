#pragma once
// What a user sees of a window's layout, checked on the real window: every
// control inside its parent, no control over a sibling, every text of a
// static, button or check box wholly visible in its control with the
// control's own font (word-wrapped where the control wraps), every number a
// count box may hold unscrolled in its box, and no frame or separator the
// window paints running through a control.
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

// Adds a line when any of the texts would not show whole in the control (a
// static, button, check box or radio button) as it lays out its own: how
// many do not, and the first of them.
void CheckTextsFit(HWND control, const std::vector<std::string>& texts, const std::string& name,
                   std::vector<std::string>& faults);

// What a window paints around and between its controls, in its client
// pixels: frames (an outline `line` pixels thick inside each rectangle) and
// separator bands.
struct Painting {
    std::vector<RECT> frames;
    std::vector<RECT> bands;
    int line = 2;
};
// Adds a line for every visible control of the window that a frame's outline
// or a band runs through.
void CheckPainting(HWND window, const std::string& name, const Painting& painting,
                   std::vector<std::string>& faults);

// Adds a line per access key (the letter after '&') that two visible
// controls of the window and its pages share.
void CheckMnemonics(HWND window, const std::string& name, std::vector<std::string>& faults);

// Adds a line when the window leaves more than 16 dialog units empty at an
// edge beyond its controls.
void CheckMargins(HWND window, const std::string& name, std::vector<std::string>& faults);

// Adds a line for every character of the window's texts, and of those of its
// controls and pages, that the control's font draws as the empty box of a
// missing glyph (or not at all), font linking included.
void CheckGlyphs(HWND window, const std::string& name, std::vector<std::string>& faults);
// The characters of a text (UTF-8) that the font draws as a missing glyph,
// as UTF-8; empty when every character has its glyph.
std::string MissingGlyphs(HFONT font, const std::string& text);

// A window's text (UTF-8), up to 1,023 characters.
std::string TextOf(HWND window);

// The access key of a text (UTF-8), lower case; 0 when it has none.
wchar_t Mnemonic(const std::string& text);

} // namespace testing_support
