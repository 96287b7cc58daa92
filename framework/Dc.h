#pragma once
// Device contexts. A CDC borrows its HDC unless it made the context itself
// (CreateCompatibleDC); the derived classes own theirs and release it in the
// way it was obtained. Selections and colours are restored by scope guards.
#include <windows.h>

#include <string>
#include <utility>

#include "framework/Gdi.h"
#include "framework/MessageMap.h"

class CDC {
public:
    CDC() = default;
    explicit CDC(HDC borrowed) : dc_(borrowed) {}
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return dc_; }
    operator HDC() const { return dc_; }

    // A memory context owned by this object; deleted with it.
    bool CreateCompatibleDC(HDC reference);

    void FillSolidRect(const RECT& rect, COLORREF colour);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF colour);
    void Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    COLORREF SetPixel(int x, int y, COLORREF colour) { return ::SetPixel(dc_, x, y, colour); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(dc_, x, y); }
    int DrawText(const std::string& text, RECT* rect, UINT format);
    // The size of the text in the selected font (0 x 0 on failure).
    SIZE GetTextExtent(const std::string& text) const;
    bool BitBlt(int x, int y, int cx, int cy, HDC source, int sx, int sy, DWORD rop)
    {
        return ::BitBlt(dc_, x, y, cx, cy, source, sx, sy, rop) != FALSE;
    }
    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(dc_, object); }
    COLORREF SetTextColor(COLORREF colour) { return ::SetTextColor(dc_, colour); }
    COLORREF SetBkColor(COLORREF colour) { return ::SetBkColor(dc_, colour); }
    int SetBkMode(int mode) { return ::SetBkMode(dc_, mode); }

protected:
    void Reset(HDC dc, bool owned)
    {
        dc_ = dc;
        owned_ = owned;
    }

private:
    HDC dc_ = nullptr;
    bool owned_ = false;
};

// BeginPaint / EndPaint.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND window);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};

private:
    HWND window_;
};

// GetDC / ReleaseDC; a null window gives the screen.
class CClientDC : public CDC {
public:
    explicit CClientDC(HWND window);
    ~CClientDC() override;

private:
    HWND window_;
};

// An off-screen surface: a memory context compatible with a target (null:
// the screen) and a bitmap of the given size selected into it. On destruction
// the previous bitmap is put back before the bitmap and the context are
// deleted.
class CMemoryDC : public CDC {
public:
    CMemoryDC(HDC target, int width, int height);
    ~CMemoryDC() override;
    bool IsReady() const { return !bitmap_.IsEmpty(); }
    // Copies the whole surface to (x, y) of the target in one block transfer.
    bool CopyTo(HDC target, int x, int y) const;

private:
    CBitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
    int width_;
    int height_;
};

namespace fw {

// Selects an object and selects the previous one back at scope end.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object ? ::SelectObject(dc, object) : nullptr)
    {
    }
    ~SelectGuard()
    {
        if (previous_)
            ::SelectObject(dc_, previous_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

class TextColorGuard {
public:
    TextColorGuard(HDC dc, COLORREF colour) : dc_(dc), previous_(::SetTextColor(dc, colour)) {}
    ~TextColorGuard() { ::SetTextColor(dc_, previous_); }
    TextColorGuard(const TextColorGuard&) = delete;
    TextColorGuard& operator=(const TextColorGuard&) = delete;

private:
    HDC dc_;
    COLORREF previous_;
};

class BkModeGuard {
public:
    BkModeGuard(HDC dc, int mode) : dc_(dc), previous_(::SetBkMode(dc, mode)) {}
    ~BkModeGuard() { ::SetBkMode(dc_, previous_); }
    BkModeGuard(const BkModeGuard&) = delete;
    BkModeGuard& operator=(const BkModeGuard&) = delete;

private:
    HDC dc_;
    int previous_;
};

} // namespace fw
