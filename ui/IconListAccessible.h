#pragma once
// The navigation list's object for screen readers: the system's object for
// the list box, naming each item by its text (the list keeps its texts:
// LBS_HASSTRINGS) and answering its role, state and place itself; the
// system's own object does so only on some systems for an owner-drawn list.
#include "framework/Accessible.h"

class IconListAccessible final : public fw::AccessibleProxy {
public:
    using AccessibleProxy::AccessibleProxy;

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override;

private:
    ~IconListAccessible() override = default;
    LONG Count() const;
    // The item a child id names (1 for the first), or -1.
    int Item(const VARIANT& child) const;
};
