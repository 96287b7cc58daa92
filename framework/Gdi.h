#pragma once
// Owning wrappers of GDI objects. Each owns at most one handle, frees it
// exactly once, and can be moved but not copied. A borrowed handle is kept as
// the plain handle type (HBRUSH, HFONT, ...), never in one of these.
#include <windows.h>

#include <utility>

namespace fw {

template <class Handle> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { DeleteObject(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        if (this != &other) {
            DeleteObject();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle GetSafeHandle() const { return handle_; }
    operator Handle() const { return handle_; }
    bool IsEmpty() const { return handle_ == nullptr; }

    // Takes ownership; false (and nothing taken) while a handle is held.
    bool Attach(Handle handle)
    {
        if (handle_ || !handle)
            return false;
        handle_ = handle;
        return true;
    }
    Handle Detach() { return std::exchange(handle_, nullptr); }
    bool DeleteObject()
    {
        if (!handle_)
            return false;
        bool deleted = ::DeleteObject(handle_) != FALSE;
        handle_ = nullptr;
        return deleted;
    }

protected:
    bool Adopt(Handle handle)
    {
        DeleteObject();
        handle_ = handle;
        return handle_ != nullptr;
    }

private:
    Handle handle_ = nullptr;
};

} // namespace fw

class CBrush : public fw::GdiObject<HBRUSH> {
public:
    CBrush() = default;
    bool CreateSolidBrush(COLORREF colour) { return Adopt(::CreateSolidBrush(colour)); }
    bool CreateBrushIndirect(const LOGBRUSH* brush) { return Adopt(::CreateBrushIndirect(brush)); }
};

class CPen : public fw::GdiObject<HPEN> {
public:
    CPen() = default;
    bool CreatePen(int style, int width, COLORREF colour)
    {
        return Adopt(::CreatePen(style, width, colour));
    }
};

class CFont : public fw::GdiObject<HFONT> {
public:
    CFont() = default;
    bool CreateFontIndirect(const LOGFONTW* font) { return Adopt(::CreateFontIndirectW(font)); }
    bool GetLogFont(LOGFONTW* font) const
    {
        return GetSafeHandle() && ::GetObjectW(GetSafeHandle(), sizeof(*font), font) != 0;
    }
};

class CBitmap : public fw::GdiObject<HBITMAP> {
public:
    CBitmap() = default;
    // From the program's own resources.
    bool LoadBitmap(UINT resourceId);
    bool CreateCompatibleBitmap(HDC dc, int width, int height)
    {
        return Adopt(::CreateCompatibleBitmap(dc, width, height));
    }
    bool GetBitmap(BITMAP* info) const
    {
        return GetSafeHandle() && ::GetObjectW(GetSafeHandle(), sizeof(*info), info) != 0;
    }
};

// The dialogs' shell font ("MS Shell Dlg 2", which the system maps to its
// dialog font and links to fonts of every script) at the size of the stock
// DEFAULT_GUI_FONT, made for a dpi (at the system's dpi as it is) at a weight;
// false, and the font object empty, when it cannot be made.
bool CreateShellFont(CFont& font, int dpi, int weight = FW_NORMAL);
