#pragma once
// Placing parts given in pixels (calendars, pictures) beside controls placed
// in dialog units. Dialog units follow the dialog's font, which differs
// between systems (Wine's "MS Sans Serif" may be wider than Windows'), while
// pixel parts keep their size: so pixel parts are placed from dialog units,
// and a row of controls that no longer fits its pixel part is laid out again.
// With the font a template was designed for, nothing moves.
#include <windows.h>

#include <initializer_list>
#include <vector>

namespace layout {

// The display scale at which the dialog's pixel parts are drawn: the
// window's dpi, unless the dialog's font has grown clearly less than that
// (a font whose sizes end below it, as Wine's "MS Sans Serif" stops at the
// size it has at 144 dpi): then the scale the font has, so that the pixel
// parts keep their proportions to the controls placed in dialog units.
// Never below 96 dpi, and 96 at 96 dpi whatever the window.
int LayoutDpi(HWND dialog);

// WM_DPICHANGED's suggested place (lParam, a RECT in screen pixels), taken
// by the window; nothing without one.
void TakeSuggestedPlace(HWND window, LPARAM suggested);

// Horizontal and vertical dialog units of the dialog, in its client pixels.
int DialogUnitsX(HWND dialog, int units);
int DialogUnitsY(HWND dialog, int units);

// The control's rectangle in its parent's client coordinates; empty when missing.
RECT ControlRect(HWND dialog, int id);
void PlaceControl(HWND dialog, int id, const RECT& rect);

// The controls, left to right with the gap (pixels) between neighbours, fill
// [left, right] exactly; each keeps its share of the width it had.
void SpreadRow(HWND dialog, const int* ids, int count, int gap, int left, int right);

// A row of push buttons that ends where its last button ends, whose texts a
// translation changes: a button whose text needs more room than the button
// had grows to fit it, and the buttons before it move left by as much, the
// gaps kept; with texts that fit again the buttons take their own widths
// back. When the first button would reach left of `left` (pixels), the
// buttons keep their own widths. Fit after every translation.
class ButtonRow {
public:
    ButtonRow(std::initializer_list<int> ids);
    void Fit(HWND dialog, int left);

private:
    std::vector<int> ids_;
    std::vector<int> naturalWidths_; // at the first fit, at naturalDpi_
    int naturalDpi_ = 0;
};

// Moves the controls by dx pixels to the right and dy down.
void ShiftControls(HWND dialog, const int* ids, int count, int dx, int dy = 0);

// The horizontal centre of a span given in dialog units, in pixels.
int CentreX(HWND dialog, int leftUnits, int widthUnits);

} // namespace layout
