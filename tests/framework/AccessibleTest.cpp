// The system's object behind a window's own accessible object: without one
// (the window is gone) every question fails, and every output is set before.
#include <gtest/gtest.h>

#include "framework/Accessible.h"
#include "tests/support/AccessibleClient.h"

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
    const fw::ComPtr<Orphan> object(new Orphan(gone));
    EXPECT_EQ(testing_support::UnsetOutputs(object.get(), CHILDID_SELF), "");
    BSTR text = ::SysAllocString(L"x");
    ::SysFreeString(text); // what an uninitialised pointer may hold
    EXPECT_TRUE(FAILED(object->get_accName(testing_support::Child(CHILDID_SELF), &text)) &&
                text == nullptr);
}

} // namespace
