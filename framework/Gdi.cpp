#include "framework/Gdi.h"

#include "framework/Dpi.h"
#include "framework/WinApp.h"

bool CBitmap::LoadBitmap(UINT resourceId)
{
    return Adopt(static_cast<HBITMAP>(
        ::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, 0)));
}

bool CreateDefaultGuiFont(CFont& font, int dpi, int weight)
{
    LOGFONTA description{};
    HGDIOBJ stock = ::GetStockObject(DEFAULT_GUI_FONT);
    if (!stock || ::GetObjectA(stock, sizeof(description), &description) == 0) {
        font.DeleteObject();
        return false;
    }
    fw::ScaleLogFont(&description, dpi);
    description.lfWeight = weight;
    return font.CreateFontIndirect(&description);
}
