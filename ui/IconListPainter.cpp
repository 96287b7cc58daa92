#include "ui/IconListPainter.h"

#include <algorithm>
#include <utility>

#include "framework/Dc.h"
#include "ui/Drawing.h"
#include "ui/HighContrast.h"

namespace {

// Each caption in the colour that goes with its background: the button text
// on the face; black on the light tints of the highlight colour (lightened
// by 0.7 and more, whatever the highlight); in high contrast the scheme's.
COLORREF CaptionColour(IconListPainter::ItemState state)
{
    if (IsHighContrast())
        return ::GetSysColor(state == IconListPainter::StateSelected ? COLOR_HIGHLIGHTTEXT
                                                                     : COLOR_BTNTEXT);
    return state == IconListPainter::StateNormal ? ::GetSysColor(COLOR_BTNTEXT) : RGB(0, 0, 0);
}

} // namespace

void IconListPainter::Reset(CImageList* images, int spacingUnit, fw::Dpi dpi, HFONT font)
{
    images_ = images;
    spacingUnit_ = spacingUnit;
    dpi_ = dpi;
    font_ = font;
    shapes_.DeleteObject();
    drawn_.clear();
    IMAGEINFO info{};
    if (images_ && images_->GetImageInfo(0, &info)) {
        iconWidth_ = info.rcImage.right - info.rcImage.left;
        iconHeight_ = info.rcImage.bottom - info.rcImage.top;
    }
}

void IconListPainter::Paint(HDC dc, const RECT& target, int index, ItemState state,
                            const std::string& text, bool focus)
{
    const int width = target.right - target.left;
    const int height = target.bottom - target.top;
    CDC source;
    HBITMAP picture = ItemPicture(dc, index, state, text, SIZE{width, height});
    if (!picture || !source.CreateCompatibleDC(dc))
        return;
    fw::SelectGuard keep(source, picture);
    if (!focus) {
        ::BitBlt(dc, target.left, target.top, width, height, source, 0, 0, SRCCOPY);
        return;
    }
    CMemoryDC memory(dc, width, height);
    if (!memory.IsReady())
        return;
    memory.BitBlt(0, 0, width, height, source, 0, 0, SRCCOPY);
    RECT area{0, 0, width, height};
    ::InflateRect(&area, -dpi_(2), -dpi_(2));
    DrawFocus(&memory, area, state);
    memory.CopyTo(dc, target.left, target.top);
}

HBITMAP IconListPainter::ItemPicture(HDC like, int index, ItemState state, const std::string& text,
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
        DrawItem(&surface, index, RECT{0, 0, size.cx, size.cy}, text, state);
    }
    drawn.picture = std::move(picture);
    drawn.text = text;
    drawn.size = size;
    std::copy(colours, colours + 4, drawn.colours);
    drawn.highContrast = highContrast;
    return drawn.picture;
}

void IconListPainter::DrawItem(CDC* dc, int index, RECT rect, const std::string& text,
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

    fw::SelectGuard font(*dc, font_);
    fw::TextColorGuard colour(*dc, CaptionColour(state));
    RECT textArea = rect;
    textArea.top += dpi_(3 * spacingUnit_) + iconHeight_;
    dc->DrawText(text, &textArea, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// The system's dotted focus rectangle, which inverts what it covers; in high
// contrast dots in the caption's colour, which an inverted highlight is not.
void IconListPainter::DrawFocus(CDC* dc, const RECT& focus, ItemState state)
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

void IconListPainter::DrawItemBackground(CDC* dc, const RECT& rect, ItemState state)
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
void IconListPainter::DrawShadows(CDC* dc, int index, ItemState state, POINT& at)
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

bool IconListPainter::PrepareShapes()
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
void IconListPainter::DrawSilhouette(CDC* dc, int index, POINT at, COLORREF colour)
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
