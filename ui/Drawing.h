#pragma once
// The colour and frame drawing from which every custom-drawn surface of the
// program takes its look: surfaces in the button-face colour, two-pixel soft
// frames with lightened corners, and thin separator bands.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Dpi.h"

class CDC;
class CWnd;

// Moves a colour towards white (Lighten) or black (Darken) by a fraction in
// (0, 1]; any other fraction gives black. Channels are truncated, not rounded.
COLORREF LightenColor(COLORREF colour, double fraction);
COLORREF DarkenColor(COLORREF colour, double fraction);
// Moves a colour towards another by a fraction in (0, 1] (Lighten is the
// move towards white); any other fraction gives the colour unchanged.
COLORREF MixColors(COLORREF colour, COLORREF towards, double fraction);
// The contrast of two colours as the web's accessibility guidelines measure
// it: 1 (none) to 21 (black and white).
double ContrastRatio(COLORREF a, COLORREF b);
// Black or white, whichever reads better on the colour: the colour that
// goes with a fixed colour the program paints.
COLORREF ReadableOn(COLORREF background);

// A two-pixel outline inside rect, darker than colour, with its four corner
// pixels set to colour lightened by cornerFraction (drawn last). At another
// scale than 96 dpi the lines and corners are as many pixels thick as one
// and two pixels are at that scale. In high contrast: a line in the button
// text colour with the button face inside it, whatever colour is given.
bool DrawSoftFrame(CDC* dc, const RECT* rect, COLORREF colour, double cornerFraction,
                   fw::Dpi dpi = fw::Dpi());

// A band three pixels high across a soft frame, centred on rect->top; the
// bottom of rect is not used. Scaled like the soft frame. In high contrast: a
// line in the button text colour on the button face.
bool DrawFrameSeparator(CDC* dc, const RECT* rect, COLORREF colour, double endFraction,
                        fw::Dpi dpi = fw::Dpi());

// A configuration page's soft frame: its client area but for one pixel on the
// right and 14 at the bottom (at 96 dpi, scaled with the page).
RECT PageFrameRect(HWND page);
// The pixels a separator band across the frame at the row covers (drawn
// centred on the row, three pixels high at 96 dpi).
RECT SeparatorBand(const RECT& frame, int row, fw::Dpi dpi);
// The whole paint handler of a configuration page: its soft frame and a
// separator band at each row (client pixels).
void DrawPageFrame(CWnd* page, const std::vector<int>& rows);

// The button face lightened by the fraction (the background of the main
// window and the wizard); the face itself in high contrast.
COLORREF LightFace(double fraction);

// The size of a text (UTF-8) in a font, measured on the screen.
int GetTextWidth(HFONT font, const std::string& text);
int GetTextHeight(HFONT font, const std::string& text);

bool IsWindowsVersion5OrLater();
