#pragma once
// CIconListBox: the main window's navigation list. Large icons with their
// captions beneath, drawn flat on the button-face colour with a soft drop
// shadow; the item under the pointer is highlighted and lifts one more pixel,
// the selected item is drawn pressed without shadow; in high contrast the
// items are flat on the face, the selected one in the highlight colours, the
// one under the pointer framed in the highlight colour. The item with the
// focus shows it once the keyboard is used. A 100 ms timer notices
// when the pointer has left the list. Its lengths are given at 96 dpi and
// drawn at the list's display scale; the pictures are as large as the image
// list's.
//
// Each item's 32-bit item data is its hover mark: 1 for the item under the
// pointer, 0 for all others.
//
// Screen readers read each item by its text (the list keeps its texts:
// LBS_HASSTRINGS), through an accessible object of the list's own.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/Dpi.h"
#include "framework/Gdi.h"
#include "framework/ImageList.h"
#include "framework/Strings.h"

class CIconListBox : public CListBox {
public:
    static constexpr UINT_PTR kHoverTimerId = 200;
    static constexpr UINT kHoverTimerPeriod = 100; // milliseconds
    static constexpr UINT kCreatedListId = 0xE900; // id of a list made by CreateList
    static constexpr DWORD kListStyles =
        0x50800060; // child, visible, border, owner-draw variable, has strings

    enum ItemState { StateNormal = 0, StateSelected = 1, StateHover = 2 };

    CIconListBox() = default;
    ~CIconListBox() override;

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

    // Draws one item into any device context (DrawItem composes it off-screen).
    void DrawListItem(CDC* dc, int index, RECT rect, const std::string& text, ItemState state);

    // Sets every hover mark to 0 and redraws the items that had one.
    void ClearHover();
    int GetHoverIndex() const { return hoverIndex_; }
    int GetSpacingUnit() const { return spacingUnit_; }
    SIZE GetIconSize() const { return SIZE{iconWidth_, iconHeight_}; }
    HFONT GetListFont() const { return font_.GetSafeHandle(); }
    int GetDpi() const { return dpi_.Value(); }

    DECLARE_MESSAGE_MAP()

protected:
    // Where the mouse pointer is, in screen coordinates (tests place it).
    virtual bool GetPointerPosition(POINT* pointer) const;

    void OnTimer(UINT_PTR timerId);
    LRESULT OnGetObject(WPARAM, LPARAM);
    void OnDestroy();
    HBRUSH CtlColor(CDC* dc, UINT kind);
    BOOL OnSetCursor(HWND window, UINT hitTest, UINT message);
    LRESULT OnSysColorChange(WPARAM, LPARAM);
    // The keyboard was used (or the cues were hidden again): the focus shows or goes.
    LRESULT OnUpdateUiState(WPARAM, LPARAM);

private:
    void DrawItemBackground(CDC* dc, const RECT& rect, ItemState state);
    COLORREF CaptionColour(ItemState state) const;
    void DrawFocus(CDC* dc, const RECT& focus, ItemState state);
    void DrawShadows(CDC* dc, int index, ItemState state, POINT& at);
    void DrawSilhouette(CDC* dc, int index, POINT at, COLORREF colour);
    // The pictures' shapes as the system's monochrome drawing of an icon
    // makes them, side by side in one bitmap (black where a silhouette is
    // coloured), made once: silhouettes are then a block transfer each.
    bool PrepareShapes();
    // The item's picture in the state, drawn once for its text, size,
    // colours and scale and copied at every later paint (a page switch
    // paints two items four times); null when it cannot be made.
    HBITMAP ItemPicture(HDC like, int index, ItemState state, const std::string& text, SIZE size);
    void RedrawItem(int index);
    bool PointerInside() const;
    void SetHover(int index);
    void ReadIconSize();

    int spacingUnit_ = 2;
    CImageList* images_ = nullptr; // not owned
    CFont font_;
    int iconWidth_ = 32;
    int iconHeight_ = 32;
    int hoverIndex_ = -1;
    CBrush background_;
    CBitmap shapes_;
    // What an item's picture was drawn for, and the picture.
    struct DrawnItem {
        std::string text;
        SIZE size{};
        COLORREF colours[4]{}; // face, highlight, button text, highlight text
        bool highContrast = false;
        CBitmap picture;
    };
    std::vector<DrawnItem> drawn_; // three per item, one per state
    fw::Dpi dpi_;
};
