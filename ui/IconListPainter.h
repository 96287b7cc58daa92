#pragma once
// How the navigation list draws an item: its large icon with the caption
// beneath, flat on the button-face colour with a soft drop shadow; the item
// under the pointer highlighted and lifted one more pixel, the selected one
// pressed without shadow; in high contrast flat on the face, the selected one
// in the highlight colours, the one under the pointer framed in the highlight
// colour. Lengths are given at 96 dpi and drawn at the list's display scale;
// the pictures are as large as the image list's.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Dc.h"
#include "framework/Dpi.h"
#include "framework/Gdi.h"
#include "framework/ImageList.h"

class IconListPainter {
public:
    enum ItemState { StateNormal = 0, StateSelected = 1, StateHover = 2 };

    // Other pictures (not owned), spacing, scale or font (borrowed): what was
    // drawn before is forgotten.
    void Reset(CImageList* images, int spacingUnit, fw::Dpi dpi, HFONT font);
    SIZE IconSize() const { return SIZE{iconWidth_, iconHeight_}; }

    // Paints the item into the rectangle of the device context, with the
    // focus rectangle when asked.
    void Paint(HDC dc, const RECT& target, int index, ItemState state, const std::string& text,
               bool focus);
    // Draws one item into any device context.
    void DrawItem(CDC* dc, int index, RECT rect, const std::string& text, ItemState state);

private:
    void DrawItemBackground(CDC* dc, const RECT& rect, ItemState state);
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

    CImageList* images_ = nullptr; // not owned
    HFONT font_ = nullptr;         // borrowed from the list
    int spacingUnit_ = 2;
    int iconWidth_ = 32;
    int iconHeight_ = 32;
    fw::Dpi dpi_;
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
};
