#pragma once
// CIconListBox: the main window's navigation list. Large icons with their
// captions beneath (drawn by IconListPainter); the item under the pointer is
// highlighted until the pointer moves off it or leaves the list (the system
// tells the list so: TrackMouseEvent), the selected item is drawn pressed.
// The item with the focus shows it once the keyboard is used.
//
// Each item's 32-bit item data is its hover mark: 1 for the item under the
// pointer, 0 for all others.
//
// Screen readers read each item by its text (the list keeps its texts:
// LBS_HASSTRINGS), through IconListAccessible.
#include <windows.h>

#include <string>

#include "framework/Controls.h"
#include "framework/Dpi.h"
#include "framework/Gdi.h"
#include "framework/ImageList.h"
#include "framework/Strings.h"
#include "ui/IconListPainter.h"

class CIconListBox : public CListBox {
public:
    static constexpr UINT kCreatedListId = 0xE900; // id of a list made by CreateList
    static constexpr DWORD kListStyles =
        0x50800060; // child, visible, border, owner-draw variable, has strings

    CIconListBox() = default;

    // Sets the list up (creating its window when none is bound yet) with one
    // item per text and image. Nothing happens, and false is returned, unless
    // the parent is a window and there are as many texts as images (at least one).
    bool CreateList(CWnd* parent, const RECT* rect, int spacingUnit, CImageList* images,
                    const CStringArray* texts);

    // Another display scale (the window moved to another monitor): the font
    // and item heights follow, with the pictures of the new image list
    // (as many as before).
    void ApplyDpi(int dpi, CImageList* images);

    void DrawItem(DRAWITEMSTRUCT* item) override;
    void MeasureItem(MEASUREITEMSTRUCT* item) override;

    // Sets every hover mark to 0 and redraws the items that had one.
    void ClearHover();
    int GetHoverIndex() const { return hoverIndex_; }
    HFONT GetListFont() const { return font_.GetSafeHandle(); }

    DECLARE_MESSAGE_MAP()

protected:
    LRESULT OnGetObject(WPARAM, LPARAM);
    HBRUSH CtlColor(CDC* dc, UINT kind);
    LRESULT OnMouseMove(WPARAM, LPARAM position);
    LRESULT OnMouseLeave(WPARAM, LPARAM);
    LRESULT OnSysColorChange(WPARAM, LPARAM);
    // The keyboard was used (or the cues were hidden again): the focus shows or goes.
    LRESULT OnUpdateUiState(WPARAM, LPARAM);

private:
    void RedrawItem(int index);
    void SetHover(int index);
    // New pictures, font or scale: the painter starts again.
    void ResetPainter();

    int spacingUnit_ = 2;
    CImageList* images_ = nullptr; // not owned
    CFont font_;
    int hoverIndex_ = -1;
    CBrush background_;
    fw::Dpi dpi_;
    IconListPainter painter_;
};
