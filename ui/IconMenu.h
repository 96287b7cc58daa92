#pragma once
// IconMenu: a menu that draws its items itself, in a flat style. A light
// column on the left (the gutter) holds each item's picture or check box, the
// text area has the menu colour, the selected item is a light highlight box
// with a one-pixel frame, separators are thin lines and an accelerator text
// after a tab gets a column of its own. In high contrast everything is in
// the menu colours and the selection in the highlight colours. Access keys
// are underlined once the keyboard is used.
//
// BuildIconMenu turns every item below the top level into an owner-drawn
// item. Each item then carries an IconMenuItem record as its item data, and
// every submenu gets an IconMenu sub-object bound to its handle, so that the
// menu's owner window (with ON_MENU_OWNERDRAW() in its message map) routes
// WM_MEASUREITEM and WM_DRAWITEM of an item to the object of the submenu
// that holds it. The top-level object owns the picture lists and
// the sub-objects; ReleaseIconMenu frees them and destroys the menu.
#include <windows.h>

#include <oleacc.h>

#include <memory>
#include <string>

#include "framework/Dpi.h"
#include "framework/Gdi.h"
#include "framework/ImageList.h"
#include "framework/Menu.h"

struct IconMenuItem;

class IconMenu : public CMenu {
public:
    IconMenu();
    ~IconMenu() override;

    void DrawItem(DRAWITEMSTRUCT* item) override;
    void MeasureItem(MEASUREITEMSTRUCT* item) override;

    // Converts the menu held: pictures from the bitmap (square, as high as the
    // bitmap, cut from left to right; the mask colour is transparent). Returns
    // the built flag. A built menu, a missing menu or a failed load changes
    // nothing; the menu then keeps its ordinary items.
    int BuildIconMenu(UINT bitmapId, COLORREF mask, int dpi = fw::kDefaultDpi);
    // On the top-level object only: frees the records, sub-objects and
    // pictures and destroys the menu. A new menu can be attached afterwards.
    void ReleaseIconMenu();
    // Picture index (from 0) of the owner-drawn item with the command id,
    // searched through all submenus. Nothing happens while the menu is not
    // built or when no such item has a record.
    void SetItemImage(UINT commandId, int picture);
    // The item's image number: picture + 1, or 0 for none.
    int GetItemImage(UINT commandId) const;

    // The system's colours changed (or high contrast was turned on or off):
    // the colours, pens and brushes of this menu and its submenus follow.
    void ApplySystemColours();

    int IsBuilt() const { return built_; }
    const IconMenu* GetOwner() const { return owner_; }
    int GetImageSize() const { return imageSize_; }
    int GetDpi() const { return dpi_.Value(); }
    int GetTextColumnWidth() const { return textWidth_; }
    int GetAcceleratorOffset() const { return acceleratorOffset_; }
    COLORREF GetSeparatorColor() const { return separatorColor_; }
    COLORREF GetGutterColor() const { return gutterColor_; }
    // The record of the item at the position, or null (see GetItemRecord in
    // IconMenu.cpp for when item data counts as a record).
    const IconMenuItem* GetItemRecord(int position) const;

private:
    // Drawing (IconMenuDraw.cpp); rectangles are relative to the item.
    void DrawItemBackground(HDC dc, const RECT& item, UINT state, bool popup) const;
    void DrawSeparator(HDC dc, const RECT& item) const;
    void DrawItemText(HDC dc, const RECT& item, UINT state, const IconMenuItem* record) const;
    void DrawItemIcon(HDC dc, const RECT& item, UINT state, int image) const;
    void DrawItemImage(HDC dc, UINT state, int picture) const;
    void DrawItemCheck(HDC dc, const RECT& item, UINT state) const;
    void DrawSilhouette(HDC dc, const CImageList& list, int picture, HBRUSH brush, POINT at,
                        SIZE size) const;

    // The colours and brushes from the system's colours of the moment.
    void CreateColours();
    void CreateHighContrastColours();
    // Fonts and pens for the scale: made again when it changes.
    void SetDpi(int dpi);
    void CreateScaledObjects();
    bool LoadPictures(UINT bitmapId, COLORREF mask);
    bool LoadCheckMark();
    bool ConvertItems();
    bool ConvertPopup(int position, std::string text);
    void MeasureTexts();
    bool AttachItemRecord(int position, IconMenuItem* record);
    IconMenuItem* RecordAt(int position) const;
    IconMenuItem* FindCommandRecord(UINT commandId) const;
    IconMenuItem* FindOwnRecord(ULONG_PTR data) const;
    void RestoreItems();
    void FreeItemRecord(int position);
    bool IsOwnOwner() const { return owner_ == this; }

    int built_ = 0;
    IconMenu* owner_ = nullptr;
    CImageList* images_ = nullptr;
    CImageList* checkImages_ = nullptr;
    std::unique_ptr<CImageList> ownImages_; // top level only
    std::unique_ptr<CImageList> ownChecks_; // top level only
    CFont font_;
    CFont boldFont_;
    int textWidth_ = 0;
    int imageSize_ = 0;
    COLORREF separatorColor_ = 0;
    COLORREF gutterColor_ = 0;
    CPen gutterPen_;
    CBrush gutterBrush_;
    COLORREF selectedTextColor_ = 0;
    CPen selectionPen_;
    CBrush selectionBrush_;
    COLORREF textColor_ = 0;
    CPen menuPen_;
    CBrush menuBrush_;
    CBrush disabledPictureBrush_;
    CBrush shadowBrush_;
    CBrush checkBrush_;
    CBrush selectedCheckBrush_;
    int acceleratorOffset_ = 0;
    fw::Dpi dpi_;
};

// One converted item, kept on the heap as the item's data. Screen readers
// read an owner-drawn item's text from the MSAAMENUINFO at the start of its
// item data (the item keeps its text in the menu as well).
struct IconMenuItem {
    MSAAMENUINFO accessible{static_cast<DWORD>(MSAA_MENU_SIG), 0, nullptr}; // must come first
    std::wstring accessibleText;       // what `accessible` points to
    std::string text;                  // the item's text at conversion time; empty for separators
    std::unique_ptr<IconMenu> submenu; // the sub-object of a popup item
    int image = 0;                     // 0 = no picture, n = picture n - 1
};

// Splits a menu text at its first tab into the text and the accelerator (the
// rest, without the tab). True when there is an accelerator.
bool SplitMenuText(const std::string& text, std::string* textPart, std::string* accelerator);
