#include "ui/IconListBox.h"

#include <algorithm>
#include <utility>

#include "framework/Accessible.h"
#include "framework/Dc.h"
#include "framework/WindowText.h"
#include "ui/DialogLayout.h"
#include "ui/Drawing.h"
#include "ui/HighContrast.h"
#include "ui/KeyboardCues.h"

namespace {

// The system's object for the list box, naming each item by its text and
// answering its role, state and place itself: the system's own object does
// so only on some systems for an owner-drawn list.
class ListAccessible final : public fw::AccessibleProxy {
public:
    using AccessibleProxy::AccessibleProxy;

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override
    {
        if (!count)
            return E_POINTER;
        *count = Count();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        const int item = Item(child);
        if (item < 0)
            return AccessibleProxy::get_accName(child, name);
        return fw::AnswerText(fw::GetItemText(window_, LB_GETTEXTLEN, LB_GETTEXT, item), name);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        return Item(child) < 0 ? AccessibleProxy::get_accRole(child, role)
                               : fw::AnswerNumber(ROLE_SYSTEM_LISTITEM, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        const int item = Item(child);
        if (item < 0)
            return AccessibleProxy::get_accState(child, state);
        LONG value = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
        if (::SendMessageW(window_, LB_GETCURSEL, 0, 0) == item)
            value |= STATE_SYSTEM_SELECTED | (::GetFocus() == window_ ? STATE_SYSTEM_FOCUSED : 0);
        return fw::AnswerNumber(value, state);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override
    {
        const int item = Item(child);
        RECT place{};
        if (item < 0 || !left || !top || !width || !height ||
            ::SendMessageW(window_, LB_GETITEMRECT, item, reinterpret_cast<LPARAM>(&place)) ==
                LB_ERR)
            return AccessibleProxy::accLocation(left, top, width, height, child);
        ::MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&place), 2);
        *left = place.left;
        *top = place.top;
        *width = place.right - place.left;
        *height = place.bottom - place.top;
        return S_OK;
    }

private:
    ~ListAccessible() override = default;
    LONG Count() const
    {
        const LRESULT count = ::SendMessageW(window_, LB_GETCOUNT, 0, 0);
        return count > 0 ? static_cast<LONG>(count) : 0;
    }
    // The item a child id names (1 for the first), or -1.
    int Item(const VARIANT& child) const
    {
        const LONG id = fw::ChildIdOf(child);
        return id >= 1 && id <= Count() ? static_cast<int>(id - 1) : -1;
    }
};

} // namespace

BEGIN_MESSAGE_MAP(CIconListBox, CListBox)
ON_MESSAGE(WM_GETOBJECT, OnGetObject)
ON_WM_TIMER()
ON_WM_DESTROY()
ON_WM_CTLCOLOR_REFLECT()
ON_WM_SETCURSOR()
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
ON_MESSAGE(WM_UPDATEUISTATE, OnUpdateUiState)
END_MESSAGE_MAP()

CIconListBox::~CIconListBox()
{
    // The timer dies with the window; unbinding first keeps late messages away.
    if (IsWindow())
        KillTimer(kHoverTimerId);
}

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
    shapes_.DeleteObject();
    drawn_.clear();
    dpi_ = fw::Dpi(layout::LayoutDpi(::GetParent(m_hWnd)));
    CreateShellFont(font_, dpi_.Value());

    for (const std::string& text : *texts)
        AddString(text);
    ClearHover();

    ReadIconSize();
    background_.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    SetTimer(kHoverTimerId, kHoverTimerPeriod);
    return true;
}

LRESULT CIconListBox::OnGetObject(WPARAM wParam, LPARAM objectId)
{
    if (!fw::AsksForClient(objectId))
        return Default();
    const fw::ComPtr<ListAccessible> list(new ListAccessible(m_hWnd));
    return fw::AnswerGetObject(list.get(), wParam); // the client holds what it needs
}

void CIconListBox::ReadIconSize()
{
    IMAGEINFO info{};
    if (images_ && images_->GetImageInfo(0, &info)) {
        iconWidth_ = info.rcImage.right - info.rcImage.left;
        iconHeight_ = info.rcImage.bottom - info.rcImage.top;
    }
}

void CIconListBox::ApplyDpi(int dpi, CImageList* images)
{
    if (!IsWindow() || !images || images->GetImageCount() != GetCount())
        return;
    dpi_ = fw::Dpi(dpi);
    images_ = images;
    shapes_.DeleteObject(); // the pictures' shapes at the new size
    drawn_.clear();
    CreateShellFont(font_, dpi_.Value());
    ReadIconSize();
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
    item->itemHeight = static_cast<UINT>(textHeight + dpi_(5 * spacingUnit_ + 2) + iconHeight_);
    RECT client = GetClientRect();
    item->itemWidth = static_cast<UINT>(client.right - client.left);
}

void CIconListBox::DrawItem(DRAWITEMSTRUCT* item)
{
    if (!item || static_cast<int>(item->itemID) < 0)
        return;
    int index = static_cast<int>(item->itemID);
    std::string text = GetText(index);
    if (text.empty())
        return;
    const RECT& target = item->rcItem;
    int width = target.right - target.left;
    int height = target.bottom - target.top;
    ItemState state = StateNormal;
    if (item->itemState & ODS_SELECTED)
        state = StateSelected;
    else if (GetItemData(index) != 0)
        state = StateHover;
    CDC source;
    HBITMAP picture = ItemPicture(item->hDC, index, state, text, SIZE{width, height});
    if (!picture || !source.CreateCompatibleDC(item->hDC))
        return;
    fw::SelectGuard keep(source, picture);
    // The focus shows once the keyboard has been used.
    if ((item->itemState & (ODS_FOCUS | ODS_NOFOCUSRECT)) != ODS_FOCUS || HidesFocusCue(m_hWnd)) {
        ::BitBlt(item->hDC, target.left, target.top, width, height, source, 0, 0, SRCCOPY);
        return;
    }
    CMemoryDC memory(item->hDC, width, height);
    if (!memory.IsReady())
        return;
    memory.BitBlt(0, 0, width, height, source, 0, 0, SRCCOPY);
    RECT focus{0, 0, width, height};
    ::InflateRect(&focus, -dpi_(2), -dpi_(2));
    DrawFocus(&memory, focus, state);
    memory.CopyTo(item->hDC, target.left, target.top);
}

HBITMAP CIconListBox::ItemPicture(HDC like, int index, ItemState state, const std::string& text,
                                  SIZE size)
{
    if (index < 0 || size.cx <= 0 || size.cy <= 0)
        return nullptr;
    const size_t slot = static_cast<size_t>(index) * 3 + state;
    if (drawn_.size() <= slot)
        drawn_.resize(slot + 1);
    DrawnItem& drawn = drawn_[slot];
    const COLORREF colours[4] = {::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_HIGHLIGHT),
                                 ::GetSysColor(COLOR_BTNTEXT), ::GetSysColor(COLOR_HIGHLIGHTTEXT)};
    const bool highContrast = IsHighContrast();
    if (drawn.picture.GetSafeHandle() && drawn.text == text && drawn.size.cx == size.cx &&
        drawn.size.cy == size.cy && std::equal(colours, colours + 4, drawn.colours) &&
        drawn.highContrast == highContrast)
        return drawn.picture;
    CBitmap picture;
    CDC surface;
    if (!picture.CreateCompatibleBitmap(like, size.cx, size.cy) ||
        !surface.CreateCompatibleDC(like))
        return nullptr;
    {
        fw::SelectGuard keep(surface, picture);
        DrawListItem(&surface, index, RECT{0, 0, size.cx, size.cy}, text, state);
    }
    drawn.picture = std::move(picture);
    drawn.text = text;
    drawn.size = size;
    std::copy(colours, colours + 4, drawn.colours);
    drawn.highContrast = highContrast;
    return drawn.picture;
}

void CIconListBox::DrawListItem(CDC* dc, int index, RECT rect, const std::string& text,
                                ItemState state)
{
    if (!dc || !dc->GetSafeHdc())
        return;
    fw::BkModeGuard mode(*dc, TRANSPARENT);
    DrawItemBackground(dc, rect, state);

    POINT at{rect.left + (rect.right - rect.left - iconWidth_) / 2 + dpi_(2),
             rect.top + dpi_(4 * spacingUnit_ + 1)};
    DrawShadows(dc, index, state, at);
    if (images_)
        images_->Draw(*dc, index, at, ILD_NORMAL);

    fw::SelectGuard font(*dc, font_.GetSafeHandle());
    fw::TextColorGuard colour(*dc, CaptionColour(state));
    RECT textArea = rect;
    textArea.top += dpi_(3 * spacingUnit_) + iconHeight_;
    dc->DrawText(text, &textArea, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// Each caption in the colour that goes with its background: the button text
// on the face; black on the light tints of the highlight colour (lightened
// by 0.7 and more, whatever the highlight); in high contrast the scheme's.
COLORREF CIconListBox::CaptionColour(ItemState state) const
{
    if (IsHighContrast())
        return ::GetSysColor(state == StateSelected ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
    return state == StateNormal ? ::GetSysColor(COLOR_BTNTEXT) : RGB(0, 0, 0);
}

// The system's dotted focus rectangle, which inverts what it covers; in high
// contrast dots in the caption's colour, which an inverted highlight is not.
void CIconListBox::DrawFocus(CDC* dc, const RECT& focus, ItemState state)
{
    if (!IsHighContrast()) {
        fw::TextColorGuard text(*dc, RGB(0, 0, 0));
        const COLORREF background = ::SetBkColor(*dc, RGB(255, 255, 255));
        ::DrawFocusRect(*dc, &focus);
        ::SetBkColor(*dc, background);
        return;
    }
    const COLORREF dot =
        ::GetSysColor(state == StateSelected ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
    for (int x = focus.left; x < focus.right; x += 2) {
        dc->SetPixel(x, focus.top, dot);
        dc->SetPixel(x, focus.bottom - 1, dot);
    }
    for (int y = focus.top; y < focus.bottom; y += 2) {
        dc->SetPixel(focus.left, y, dot);
        dc->SetPixel(focus.right - 1, y, dot);
    }
}

void CIconListBox::DrawItemBackground(CDC* dc, const RECT& rect, ItemState state)
{
    if (IsHighContrast()) { // the face, the selection in the highlight colour
        const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
        dc->FillSolidRect(rect, state == StateSelected ? highlight : ::GetSysColor(COLOR_BTNFACE));
        if (state != StateNormal)
            dc->Draw3dRect(rect, highlight, highlight);
        return;
    }
    if (state == StateNormal) {
        dc->FillSolidRect(rect, ::GetSysColor(COLOR_BTNFACE));
        return;
    }
    COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    dc->FillSolidRect(rect, LightenColor(highlight, state == StateSelected ? 0.85 : 0.7));
    dc->Draw3dRect(rect, highlight, highlight);
}

// The silhouettes under the icon, each one pixel (at 96 dpi) up and left of
// the one before; `at` ends where the icon itself goes.
void CIconListBox::DrawShadows(CDC* dc, int index, ItemState state, POINT& at)
{
    COLORREF colours[3];
    int count = 0;
    if (state == StateNormal) {
        COLORREF face = ::GetSysColor(COLOR_BTNFACE);
        colours[count++] = DarkenColor(face, 0.15);
        colours[count++] = DarkenColor(face, 0.4);
    } else if (state == StateHover) {
        COLORREF lifted = LightenColor(::GetSysColor(COLOR_HIGHLIGHT), 0.7);
        colours[count++] = DarkenColor(lifted, 0.1);
        colours[count++] = DarkenColor(lifted, 0.25);
        colours[count++] = DarkenColor(lifted, 0.4);
    }
    for (int i = 0; i < count; ++i) {
        if (!IsHighContrast()) // no shadows there; the icon still lifts
            DrawSilhouette(dc, index, at, colours[i]);
        at.x -= dpi_(1);
        at.y -= dpi_(1);
    }
}

bool CIconListBox::PrepareShapes()
{
    if (shapes_.GetSafeHandle())
        return true;
    const int count = images_ ? images_->GetImageCount() : 0;
    CDC dc;
    if (!dc.CreateCompatibleDC(CClientDC(nullptr)) || count <= 0 ||
        !shapes_.Attach(::CreateBitmap(iconWidth_ * count, iconHeight_, 1, 1, nullptr)))
        return false;
    fw::SelectGuard bitmap(dc, shapes_.GetSafeHandle());
    const RECT all{0, 0, iconWidth_ * count, iconHeight_};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    HBRUSH black = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    for (int index = 0; index < count; ++index) {
        const CIcon icon = images_->ExtractIcon(index);
        if (!icon.IsEmpty())
            ::DrawStateW(dc, black, nullptr, reinterpret_cast<LPARAM>(icon.GetSafeHandle()), 0,
                         index * iconWidth_, 0, iconWidth_, iconHeight_, DST_ICON | DSS_MONO);
    }
    return true;
}

// The brush where the shape is black, the surface left as it is elsewhere
// (the raster operation "DSPDxax" with white text and a black background
// turning the shape's black into all ones).
void CIconListBox::DrawSilhouette(CDC* dc, int index, POINT at, COLORREF colour)
{
    if (!PrepareShapes())
        return;
    CBrush brush;
    if (!brush.CreateSolidBrush(colour))
        return;
    CDC source;
    if (!source.CreateCompatibleDC(*dc))
        return;
    fw::SelectGuard shapes(source, shapes_.GetSafeHandle());
    fw::SelectGuard fill(*dc, brush);
    fw::TextColorGuard text(*dc, RGB(255, 255, 255));
    const COLORREF background = ::SetBkColor(*dc, RGB(0, 0, 0));
    constexpr DWORD kBrushWhereSourceIsSet = 0x00E20746; // DSPDxax
    ::BitBlt(*dc, at.x, at.y, iconWidth_, iconHeight_, source, index * iconWidth_, 0,
             kBrushWhereSourceIsSet);
    ::SetBkColor(*dc, background);
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

bool CIconListBox::GetPointerPosition(POINT* pointer) const
{
    return ::GetCursorPos(pointer) != FALSE;
}

bool CIconListBox::PointerInside() const
{
    POINT pointer{};
    if (!GetPointerPosition(&pointer))
        return false;
    RECT window = GetWindowRect();
    return ::PtInRect(&window, pointer) != FALSE;
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

BOOL CIconListBox::OnSetCursor(HWND, UINT, UINT)
{
    if (PointerInside()) {
        POINT pointer{};
        GetPointerPosition(&pointer);
        ScreenToClient(pointer);
        bool outside = true;
        int index = ItemFromPoint(pointer, outside);
        bool onItem = !outside && index >= 0 && index < GetCount();
        SetHover(onItem ? index : -1);
    }
    return static_cast<BOOL>(Default());
}

void CIconListBox::OnTimer(UINT_PTR)
{
    if (!PointerInside()) {
        ClearHover();
        hoverIndex_ = -1;
    }
    Default();
}

void CIconListBox::OnDestroy()
{
    KillTimer(kHoverTimerId);
    Default();
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
