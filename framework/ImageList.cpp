#include "framework/ImageList.h"

bool CImageList::Create(int cx, int cy, UINT flags, int initial, int grow)
{
    if (m_hImageList)
        return false;
    m_hImageList = ImageList_Create(cx, cy, flags, initial, grow);
    return m_hImageList != nullptr;
}

bool CImageList::Create(HINSTANCE module, UINT bitmapId, int cx, int grow, COLORREF mask)
{
    if (m_hImageList)
        return false;
    m_hImageList = ImageList_LoadImageW(module, MAKEINTRESOURCEW(bitmapId), cx, grow, mask,
                                        IMAGE_BITMAP, LR_DEFAULTSIZE);
    return m_hImageList != nullptr;
}

bool CImageList::Attach(HIMAGELIST list)
{
    if (m_hImageList || !list)
        return false;
    m_hImageList = list;
    return true;
}

bool CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return false;
    bool destroyed = ImageList_Destroy(m_hImageList) != FALSE;
    m_hImageList = nullptr;
    return destroyed;
}
