#include "framework/Gdi.h"

#include <algorithm>
#include <iterator>

#include "framework/Dpi.h"
#include "framework/Module.h"

bool CBitmap::LoadBitmap(UINT resourceId)
{
    return Adopt(static_cast<HBITMAP>(
        ::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, 0)));
}

bool CreateShellFont(CFont& font, int dpi, int weight)
{
    LOGFONTW description{};
    HGDIOBJ stock = ::GetStockObject(DEFAULT_GUI_FONT);
    if (!stock || ::GetObjectW(stock, sizeof(description), &description) == 0) {
        font.DeleteObject();
        return false;
    }
    const wchar_t face[] = L"MS Shell Dlg 2";
    static_assert(sizeof(face) <= sizeof(description.lfFaceName), "a face name fits");
    std::copy(std::begin(face), std::end(face), description.lfFaceName);
    fw::ScaleLogFont(&description, dpi);
    description.lfWeight = weight;
    return font.CreateFontIndirect(&description);
}
