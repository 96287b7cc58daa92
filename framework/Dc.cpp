#include "framework/Dc.h"

#include "framework/TextCodec.h"

CDC::~CDC()
{
    if (owned_ && dc_)
        ::DeleteDC(dc_);
}

bool CDC::CreateCompatibleDC(HDC reference)
{
    if (dc_)
        return false;
    HDC dc = ::CreateCompatibleDC(reference);
    Reset(dc, true);
    return dc != nullptr;
}

void CDC::FillSolidRect(const RECT& rect, COLORREF colour)
{
    // Like the classic framework: the background colour stays set afterwards.
    ::SetBkColor(dc_, colour);
    ::ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF colour)
{
    RECT rect{x, y, x + cx, y + cy};
    FillSolidRect(rect, colour);
}

void CDC::Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight)
{
    Draw3dRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, topLeft,
               bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx, y, -1, cy, bottomRight);
    FillSolidRect(x, y + cy, cx, -1, bottomRight);
}

int CDC::DrawText(const std::string& text, RECT* rect, UINT format)
{
    const std::wstring wide = fw::Wide(text);
    return ::DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), rect, format);
}

SIZE CDC::GetTextExtent(const std::string& text) const
{
    const std::wstring wide = fw::Wide(text);
    SIZE size{};
    if (!::GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size))
        size = SIZE{};
    return size;
}

CPaintDC::CPaintDC(HWND window) : window_(window)
{
    Reset(::BeginPaint(window, &m_ps), false);
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(window_, &m_ps);
}

CClientDC::CClientDC(HWND window) : window_(window)
{
    Reset(::GetDC(window), false);
}

CClientDC::~CClientDC()
{
    if (GetSafeHdc())
        ::ReleaseDC(window_, GetSafeHdc());
}

CMemoryDC::CMemoryDC(HDC target, int width, int height) : width_(width), height_(height)
{
    if (!CreateCompatibleDC(target) || width <= 0 || height <= 0)
        return;
    // A null target means the screen, as it does for the context itself.
    if (target)
        bitmap_.CreateCompatibleBitmap(target, width, height);
    else
        bitmap_.CreateCompatibleBitmap(CClientDC(nullptr), width, height);
    if (!bitmap_.IsEmpty())
        previous_ = ::SelectObject(GetSafeHdc(), bitmap_);
}

CMemoryDC::~CMemoryDC()
{
    // The bitmap is put back out before it (a member) and the context
    // (~CDC) are deleted.
    if (previous_)
        ::SelectObject(GetSafeHdc(), previous_);
}

bool CMemoryDC::CopyTo(HDC target, int x, int y) const
{
    return !bitmap_.IsEmpty() &&
           ::BitBlt(target, x, y, width_, height_, GetSafeHdc(), 0, 0, SRCCOPY);
}
