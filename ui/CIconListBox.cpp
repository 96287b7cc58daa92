#include "ui/CIconListBox.h"

#include <windowsx.h>

#include "ui/DialogLayout.h"
#include "ui/Drawing.h"
#include "ui/IconListAccessible.h"
#include "ui/KeyboardCues.h"

BEGIN_MESSAGE_MAP(CIconListBox, CListBox)
ON_MESSAGE(WM_GETOBJECT, OnGetObject)
ON_WM_CTLCOLOR_REFLECT()
ON_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
ON_MESSAGE(WM_UPDATEUISTATE, OnUpdateUiState)
END_MESSAGE_MAP()

bool CIconListBox::CreateList(CWnd* parent, const RECT* rect, int spacingUnit, CImageList* images,
                              const CStringArray* texts)
{
    if (!parent || !parent->IsWindow() || !images || !images->GetSafeHandle() || !texts)
        return false;
    int imageCount = images->GetImageCount();
    if (imageCount < 1 || static_cast<int>(texts->size()) != imageCount)
        return false;

    if (IsWindow()) {
        ModifyStyle(0, kListStyles);
    } else {
        RECT area = rect ? *rect : RECT{0, 0, 0, 0};
        if (!Create("LISTBOX", "", kListStyles, area, parent, kCreatedListId))
            return false;
    }

    spacingUnit_ = spacingUnit;
    images_ = images;
    dpi_ = fw::Dpi(layout::LayoutDpi(::GetParent(m_hWnd)));
    CreateShellFont(font_, dpi_.Value());
    ResetPainter();

    for (const std::string& text : *texts)
        AddString(text);
    ClearHover();

    background_.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    return true;
}

LRESULT CIconListBox::OnGetObject(WPARAM wParam, LPARAM objectId)
{
    if (!fw::AsksForClient(objectId))
        return Default();
    const fw::ComPtr<IconListAccessible> list(new IconListAccessible(m_hWnd));
    return fw::AnswerGetObject(list.get(), wParam); // the client holds what it needs
}

void CIconListBox::ResetPainter()
{
    painter_.Reset(images_, spacingUnit_, dpi_, font_.GetSafeHandle());
}

void CIconListBox::ApplyDpi(int dpi, CImageList* images)
{
    if (!IsWindow() || !images || images->GetImageCount() != GetCount())
        return;
    dpi_ = fw::Dpi(dpi);
    images_ = images;
    CreateShellFont(font_, dpi_.Value());
    ResetPainter(); // the pictures' shapes at the new size
    for (int i = 0; i < GetCount(); ++i) {
        MEASUREITEMSTRUCT item{};
        item.CtlType = ODT_LISTBOX;
        item.itemID = static_cast<UINT>(i);
        MeasureItem(&item);
        SendMessage(LB_SETITEMHEIGHT, static_cast<WPARAM>(i), static_cast<LPARAM>(item.itemHeight));
    }
    Invalidate(true);
}

void CIconListBox::MeasureItem(MEASUREITEMSTRUCT* item)
{
    if (!item)
        return;
    int textHeight = GetTextHeight(font_.GetSafeHandle(), "W");
    item->itemHeight =
        static_cast<UINT>(textHeight + dpi_(5 * spacingUnit_ + 2) + painter_.IconSize().cy);
    RECT client = GetClientRect();
    item->itemWidth = static_cast<UINT>(client.right - client.left);
}

void CIconListBox::DrawItem(DRAWITEMSTRUCT* item)
{
    if (!item || static_cast<int>(item->itemID) < 0)
        return;
    // The focus shows once the keyboard has been used.
    const bool showsFocus = (item->itemState & ODS_NOFOCUSRECT) == 0 && !HidesFocusCue(m_hWnd);
    // The caret moved: only a focus rectangle would change, and none is
    // drawn, so the item already shows what it would draw.
    if (item->itemAction == ODA_FOCUS && !showsFocus)
        return;
    int index = static_cast<int>(item->itemID);
    std::string text = GetText(index);
    if (text.empty())
        return;
    IconListPainter::ItemState state = IconListPainter::StateNormal;
    if (item->itemState & ODS_SELECTED)
        state = IconListPainter::StateSelected;
    else if (GetItemData(index) != 0)
        state = IconListPainter::StateHover;
    const bool focus = showsFocus && (item->itemState & ODS_FOCUS) != 0;
    painter_.Paint(item->hDC, item->rcItem, index, state, text, focus);
}

void CIconListBox::RedrawItem(int index)
{
    RECT item{};
    if (GetItemRect(index, &item))
        InvalidateRect(&item, false);
}

void CIconListBox::ClearHover()
{
    if (!IsWindow())
        return;
    for (int i = 0; i < GetCount(); ++i) {
        if (GetItemData(i) != 0) {
            SetItemData(i, 0);
            RedrawItem(i);
        }
    }
}

// The pointer below the last item highlights nothing: only an item that is
// really under the pointer lights up.
void CIconListBox::SetHover(int index)
{
    if (index < 0) {
        ClearHover();
        hoverIndex_ = -1;
        return;
    }
    if (index == hoverIndex_ && GetItemData(index) != 0)
        return;
    ClearHover();
    SetItemData(index, 1);
    if (index != GetCurSel())
        RedrawItem(index);
    hoverIndex_ = index;
}

LRESULT CIconListBox::OnMouseMove(WPARAM, LPARAM position)
{
    bool outside = true;
    const int index = ItemFromPoint(POINT{GET_X_LPARAM(position), GET_Y_LPARAM(position)}, outside);
    SetHover(!outside && index >= 0 && index < GetCount() ? index : -1);
    // The system tells when the pointer leaves (asked at every move: where
    // the pointer is already off the list, some systems set no watch).
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&track);
    return Default();
}

LRESULT CIconListBox::OnMouseLeave(WPARAM, LPARAM)
{
    SetHover(-1);
    return Default();
}

HBRUSH CIconListBox::CtlColor(CDC*, UINT)
{
    return background_.GetSafeHandle();
}

// The face may be another now: the brush follows and every item is drawn anew.
LRESULT CIconListBox::OnSysColorChange(WPARAM, LPARAM)
{
    background_.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    Invalidate(true);
    return Default();
}

LRESULT CIconListBox::OnUpdateUiState(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    Invalidate(false);
    return result;
}
