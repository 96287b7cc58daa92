// The system's object behind a window's own accessible object: without one
// (the window is gone) every question fails, and every output is set before.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "framework/Accessible.h"

namespace {

class Orphan final : public fw::AccessibleProxy {
public:
    explicit Orphan(HWND gone) : AccessibleProxy(gone) {}

private:
    ~Orphan() override = default;
};

TEST(AccessibleProxy, WithoutTheSystemsObjectEveryOutputIsSetBeforeItFails)
{
    HWND gone =
        ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ::DestroyWindow(gone);
    auto* object = new Orphan(gone);
    VARIANT self;
    ::VariantInit(&self); // VT_EMPTY: no child named
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    using Call = std::function<HRESULT(VARIANT*)>;
    const std::vector<std::pair<const char*, Call>> calls{
        {"role", [&](VARIANT* out) { return object->get_accRole(self, out); }},
        {"state", [&](VARIANT* out) { return object->get_accState(self, out); }},
        {"focus", [&](VARIANT* out) { return object->get_accFocus(out); }},
        {"selection", [&](VARIANT* out) { return object->get_accSelection(out); }},
        {"navigate", [&](VARIANT* out) { return object->accNavigate(NAVDIR_NEXT, self, out); }},
        {"hit test", [&](VARIANT* out) { return object->accHitTest(0, 0, out); }},
    };
    for (const auto& [name, call] : calls) {
        VARIANT out;
        out.vt = VT_I4; // what an uninitialised VARIANT may hold
        out.lVal = 12345;
        EXPECT_TRUE(FAILED(call(&out)) && out.vt == VT_EMPTY) << name;
    }
    BSTR text = reinterpret_cast<BSTR>(&self); // not null
    EXPECT_TRUE(FAILED(object->get_accName(self, &text)) && text == nullptr);
    object->Release();
}

} // namespace
