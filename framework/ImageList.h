#pragma once
// An owning image list: destroyed with the object, movable, not copyable.
#include <windows.h>
#include <commctrl.h>

#include <utility>

#include "framework/Gdi.h"

class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(CImageList&& other) noexcept
        : m_hImageList(std::exchange(other.m_hImageList, nullptr))
    {
    }
    CImageList& operator=(CImageList&& other) noexcept
    {
        if (this != &other) {
            DeleteImageList();
            m_hImageList = std::exchange(other.m_hImageList, nullptr);
        }
        return *this;
    }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    bool Create(int cx, int cy, UINT flags, int initial, int grow);
    // A strip bitmap cut into pictures cx wide; the mask colour is transparent.
    bool Create(HINSTANCE module, UINT bitmapId, int cx, int grow, COLORREF mask);
    bool Attach(HIMAGELIST list);
    HIMAGELIST Detach() { return std::exchange(m_hImageList, nullptr); }
    bool DeleteImageList();

    int Add(HBITMAP bitmap, COLORREF mask)
    {
        return ImageList_AddMasked(m_hImageList, bitmap, mask);
    }
    int GetImageCount() const { return m_hImageList ? ImageList_GetImageCount(m_hImageList) : 0; }
    bool GetImageInfo(int image, IMAGEINFO* info) const
    {
        return ImageList_GetImageInfo(m_hImageList, image, info) != FALSE;
    }
    // A new icon of one picture.
    CIcon ExtractIcon(int image) const
    {
        return CIcon(ImageList_GetIcon(m_hImageList, image, ILD_NORMAL));
    }
    bool Draw(HDC dc, int image, POINT at, UINT style) const
    {
        return ImageList_Draw(m_hImageList, image, dc, at.x, at.y, style) != FALSE;
    }
    COLORREF SetBkColor(COLORREF colour) { return ImageList_SetBkColor(m_hImageList, colour); }
};
