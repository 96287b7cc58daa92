#pragma once
// Recolours a grey 24-bit picture of the resources into the button-face
// colour scheme: the blue channel acts as the brightness, and every pixel
// becomes the lightened button face darkened by up to a fifth. Such a picture
// only decorates: in high contrast every pixel takes the window colour.
#include <windows.h>

class CBitmap;

// Loads the bitmap resource as a DIB section into the (empty) bitmap object
// and recolours it. False when nothing was loaded, or when the picture is not
// 24 bits per pixel with rows of exactly width x 3 bytes; in that case it
// stays loaded with its stored colours. At a dpi other than 96 the picture
// has its size x dpi / 96 (ui/ScaledPicture.h), and its rows may end in
// filler bytes.
bool LoadTintedBitmap(UINT resourceId, CBitmap& bitmap, int dpi = 96);

// The colour a pixel with the given blue byte becomes.
COLORREF TintedColor(BYTE blue);

// A picture that shows something (a name, a drawing) for high contrast: the
// bitmap resource at its size x dpi / 96, each pixel less than three
// quarters of the way from the picture's darkest to its lightest in the
// window text colour, the others in the window colour. A 32-bit DIB section owned by the caller;
// null when the picture cannot be loaded.
HBITMAP LoadTwoToneBitmap(UINT resourceId, int dpi = 96);
