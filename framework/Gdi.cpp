#include "framework/Gdi.h"

#include "framework/WinApp.h"

bool CBitmap::LoadBitmap(UINT resourceId)
{
    return Adopt(static_cast<HBITMAP>(
        ::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, 0)));
}

bool GetDefaultGuiLogFont(LOGFONTA* font)
{
    HGDIOBJ stock = ::GetStockObject(DEFAULT_GUI_FONT);
    return stock && ::GetObjectA(stock, sizeof(*font), font) != 0;
}
