#pragma once
// Owning wrappers of GDI objects and of icons. Each owns at most one handle,
// frees it exactly once, and can be moved but not copied. A borrowed handle is
// kept as the plain handle type (HBRUSH, HFONT, HICON, ...), never in one of
// these. (Device contexts: framework/Dc.h.)
#include <windows.h>

#include <utility>

namespace fw {

// How a kind of handle is freed.
struct DeleteGdiObject {
    static bool Free(HGDIOBJ object) { return ::DeleteObject(object) != FALSE; }
};
struct DestroyIconHandle {
    static bool Free(HICON icon) { return ::DestroyIcon(icon) != FALSE; }
};

template <class Handle, class Release = DeleteGdiObject> class GdiObject {
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
    operator Handle() const& { return handle_; }
    // A temporary's handle would be freed before it is used.
    operator Handle() const&& = delete;
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
        bool deleted = Release::Free(handle_);
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
    explicit CBitmap(HBITMAP owned) : GdiObject(owned) {}
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

class CRgn : public fw::GdiObject<HRGN> {
public:
    CRgn() = default;
    bool CreateRectRgnIndirect(const RECT& rect) { return Adopt(::CreateRectRgnIndirect(&rect)); }
    // This region without the other one; false when either is missing.
    bool Subtract(const CRgn& other)
    {
        return GetSafeHandle() && other.GetSafeHandle() &&
               ::CombineRgn(GetSafeHandle(), GetSafeHandle(), other, RGN_DIFF) != ERROR;
    }
};

// An icon made for the program (loaded from its resources, copied, taken
// from an image list); the system's shared icons (LoadIcon) are borrowed.
class CIcon : public fw::GdiObject<HICON, fw::DestroyIconHandle> {
public:
    CIcon() = default;
    explicit CIcon(HICON owned) : GdiObject(owned) {}
};

// The dialogs' shell font ("MS Shell Dlg 2", which the system maps to its
// dialog font and links to fonts of every script) at the size of the stock
// DEFAULT_GUI_FONT, made for a dpi (at the system's dpi as it is) at a weight;
// false, and the font object empty, when it cannot be made.
bool CreateShellFont(CFont& font, int dpi, int weight = FW_NORMAL);
