// The drawing half of IconMenu: every item is drawn off-screen and copied to
// the menu in one block transfer, so that hovering does not flicker.
#include "framework/Dc.h"
#include "ui/HighContrast.h"
#include "ui/IconMenu.h"

namespace {

bool IsPopupId(UINT id)
{
    return id == UINT(-1) || id == 0xFFFF;
}

bool IsUnavailable(UINT state)
{
    return (state & (ODS_GRAYED | ODS_DISABLED)) != 0;
}

// The menu's default item is drawn bold. Windows says so in the item state;
// Wine does not, so the menu itself is asked too (for a menu item the
// drawing request names the menu in hwndItem, and itemID is the command).
UINT WithDefaultState(const DRAWITEMSTRUCT& item)
{
    HMENU menu = reinterpret_cast<HMENU>(item.hwndItem);
    const bool isDefault = menu && ::IsMenu(menu) &&
                           ::GetMenuDefaultItem(menu, FALSE, GMDI_USEDISABLED) == item.itemID;
    return item.itemState | (isDefault ? ODS_DEFAULT : 0);
}

// A rectangle outlined with the pen and filled with the brush.
void DrawBox(HDC dc, const RECT& box, HPEN pen, HBRUSH brush)
{
    fw::SelectGuard penGuard(dc, pen);
    fw::SelectGuard brushGuard(dc, brush);
    ::Rectangle(dc, box.left, box.top, box.right, box.bottom);
}

// The right-pointing arrow of an item that opens a submenu.
void DrawArrow(HDC dc, const RECT& item, COLORREF colour, fw::Dpi dpi)
{
    int w = item.right;
    int y = item.bottom / 2 - dpi(5);
    POINT points[3] = {{w - dpi(10), y}, {w - dpi(7), y + dpi(3)}, {w - dpi(10), y + dpi(6)}};
    CPen pen;
    CBrush brush;
    pen.CreatePen(PS_SOLID, 1, colour);
    brush.CreateSolidBrush(colour);
    fw::SelectGuard penGuard(dc, pen);
    fw::SelectGuard brushGuard(dc, brush);
    ::Polygon(dc, points, 3);
}

} // namespace

void IconMenu::DrawItem(DRAWITEMSTRUCT* item)
{
    if (!item || !item->hDC)
        return;
    int width = item->rcItem.right - item->rcItem.left;
    int height = item->rcItem.bottom - item->rcItem.top;
    CMemoryDC memory(item->hDC, width, height);
    if (!memory.IsReady())
        return;
    RECT box{0, 0, width, height};
    if (item->itemID == 0) {
        DrawSeparator(memory, box);
    } else {
        bool popup = IsPopupId(item->itemID);
        DrawItemBackground(memory, box, item->itemState, popup);
        DrawItemText(memory, box, WithDefaultState(*item), FindOwnRecord(item->itemData));
        if (!popup)
            DrawItemIcon(memory, box, item->itemState, GetItemImage(item->itemID));
    }
    memory.CopyTo(item->hDC, item->rcItem.left, item->rcItem.top);
}

void IconMenu::DrawItemBackground(HDC dc, const RECT& item, UINT state, bool popup) const
{
    if ((state & ODS_SELECTED) && !IsUnavailable(state)) {
        DrawBox(dc, item, selectionPen_, selectionBrush_);
    } else {
        DrawBox(dc, {0, 0, imageSize_ + dpi_(7), item.bottom}, gutterPen_, gutterBrush_);
        DrawBox(dc, {imageSize_ + dpi_(7), 0, item.right, item.bottom}, menuPen_, menuBrush_);
    }
    if (popup)
        DrawArrow(dc, item, (state & ODS_SELECTED) ? selectedTextColor_ : textColor_, dpi_);
}

void IconMenu::DrawSeparator(HDC dc, const RECT& item) const
{
    DrawBox(dc, {0, 0, imageSize_ + dpi_(7), item.bottom}, gutterPen_, gutterBrush_);
    DrawBox(dc, {imageSize_ + dpi_(7), 0, item.right, item.bottom}, menuPen_, menuBrush_);
    RECT line{imageSize_ + dpi_(15), dpi_(1), item.right, dpi_(1) + dpi_(1)};
    CDC(dc).FillSolidRect(line, separatorColor_);
}

void IconMenu::DrawItemText(HDC dc, const RECT& item, UINT state, const IconMenuItem* record) const
{
    HFONT font = (state & ODS_DEFAULT) ? boldFont_ : font_;
    COLORREF colour = IsUnavailable(state)          ? separatorColor_
                      : (state & ODS_SELECTED) != 0 ? selectedTextColor_
                                                    : textColor_;
    fw::SelectGuard fontGuard(dc, font);
    fw::TextColorGuard colourGuard(dc, colour);
    fw::BkModeGuard modeGuard(dc, TRANSPARENT);
    if (!record || record->text.empty())
        return;
    // The system says whether the menu was opened with the keyboard.
    const UINT format = DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP |
                        ((state & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
    int left = imageSize_ + dpi_(15);
    std::string text;
    std::string accelerator;
    CDC target(dc);
    if (!SplitMenuText(record->text, &text, &accelerator)) {
        RECT place{left, 0, item.right, item.bottom};
        target.DrawText(text, &place, format);
        return;
    }
    RECT textPlace{left, 0, left + acceleratorOffset_, item.bottom};
    target.DrawText(text, &textPlace, format);
    RECT acceleratorPlace{left + acceleratorOffset_, 0, item.right, item.bottom};
    target.DrawText(accelerator, &acceleratorPlace, format);
}

void IconMenu::DrawItemIcon(HDC dc, const RECT& item, UINT state, int image) const
{
    if (!images_ || image < 0 || image > images_->GetImageCount())
        return;
    if (state & ODS_CHECKED)
        DrawItemCheck(dc, item, state);
    else if (image > 0)
        DrawItemImage(dc, state, image - 1);
}

void IconMenu::DrawItemImage(HDC dc, UINT state, int picture) const
{
    int s = imageSize_;
    const POINT place{dpi_(4), dpi_(4)};
    if (IsUnavailable(state)) {
        DrawSilhouette(dc, *images_, picture, disabledPictureBrush_, place, {s, s});
    } else if (state & ODS_SELECTED) {
        const int lift = dpi_(1);
        DrawSilhouette(dc, *images_, picture, shadowBrush_, {place.x + lift, place.y + lift},
                       {s - lift, s - lift});
        images_->Draw(dc, picture, {place.x - lift, place.y - lift}, ILD_TRANSPARENT);
    } else {
        images_->Draw(dc, picture, place, ILD_TRANSPARENT);
    }
}

void IconMenu::DrawItemCheck(HDC dc, const RECT& item, UINT state) const
{
    if (!checkImages_)
        return;
    RECT box{dpi_(1), dpi_(1), imageSize_ + dpi_(5), item.bottom - dpi_(1)};
    bool unavailable = IsUnavailable(state);
    if (unavailable)
        DrawBox(dc, box, gutterPen_, gutterBrush_);
    else
        DrawBox(dc, box, selectionPen_, (state & ODS_SELECTED) ? selectedCheckBrush_ : checkBrush_);
    int w = 0;
    int h = 0;
    ::ImageList_GetIconSize(checkImages_->GetSafeHandle(), &w, &h);
    POINT at{imageSize_ > w ? w / 2 - dpi_(1) : dpi_(1),
             imageSize_ > h ? h / 2 - dpi_(2) : dpi_(1)};
    if (unavailable)
        DrawSilhouette(dc, *checkImages_, 0, disabledPictureBrush_, at, {w, h});
    else if (IsHighContrast()) // the black mark in the text colour
        DrawSilhouette(
            dc, *checkImages_, 0,
            ::GetSysColorBrush((state & ODS_SELECTED) ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT), at,
            {w, h});
    else
        checkImages_->Draw(dc, 0, at, ILD_TRANSPARENT);
}

// A one-colour silhouette of a picture, through an icon made for this one call.
void IconMenu::DrawSilhouette(HDC dc, const CImageList& list, int picture, HBRUSH brush, POINT at,
                              SIZE size) const
{
    const CIcon icon = list.ExtractIcon(picture);
    if (icon.IsEmpty())
        return;
    ::DrawStateW(dc, brush, nullptr, reinterpret_cast<LPARAM>(icon.GetSafeHandle()), 0, at.x, at.y,
                 size.cx, size.cy, DST_ICON | DSS_MONO);
}
