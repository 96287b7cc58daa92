#pragma once
// The program's pictures at the display's scale. Each bitmap resource is
// drawn at 100 % (the BITMAP resource) and may also be stored at 150 % and
// 200 %, as PNG pictures under the same id with the resource types "PNG150"
// and "PNG200". A picture is never a stretched copy of a smaller one: a
// window takes the stored size nearest to its scale, or has a larger one
// shrunk to the exact size.
#include <windows.h>

// The stored scale (100, 150 or 200 per cent) nearest to the dpi that the
// bitmap resource has; on a tie the larger.
int PictureScaleFor(UINT resourceId, int dpi);

// The bitmap at that stored scale (for pictures with a mask colour, which
// cannot be shrunk cleanly) as a 24-bit device-independent section owned by
// the caller; null when it cannot be loaded. At 100 % the BITMAP resource
// as LoadImage gives it.
HBITMAP LoadScaledBitmap(UINT resourceId, int dpi);

// The bitmap at exactly its 100 % size x dpi / 96 (for opaque pictures):
// the smallest stored size that is large enough, shrunk by averaging the
// pixels each new pixel covers; the largest, stretched, above 200 %. At
// 96 dpi the same as LoadScaledBitmap.
HBITMAP LoadSizedBitmap(UINT resourceId, int dpi);
