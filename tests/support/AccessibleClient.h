#pragma once
// A client of Active Accessibility, as a screen reader is one: a window's
// object asked for with AccessibleObjectFromWindow (from this process or
// from another one) and read with the questions screen readers ask.
#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <string>

#include "framework/ComPtr.h"
#include "framework/DateTime.h"
#include "framework/TextCodec.h"

namespace testing_support {

inline VARIANT Child(LONG id)
{
    VARIANT child;
    ::VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

// A date as the user's locale writes it (DATE_LONGDATE, DATE_YEARMONTH):
// as screen readers hear the calendar's days and months.
inline std::string DateText(const COleDateTime& day, DWORD flags)
{
    SYSTEMTIME time{};
    day.GetAsSystemTime(time);
    wchar_t text[128] = {};
    ::GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, flags, &time, nullptr, text, 128, nullptr);
    return fw::Utf8(text);
}

// A client's view of a window's object.
class Client {
public:
    explicit Client(HWND window, LONG objectId = OBJID_CLIENT)
    {
        void* object = nullptr;
        result = ::AccessibleObjectFromWindow(window, static_cast<DWORD>(objectId),
                                              __uuidof(IAccessible), &object);
        accessible_ = fw::ComPtr<IAccessible>(static_cast<IAccessible*>(object));
    }

    IAccessible* operator->() const { return accessible_.get(); }
    explicit operator bool() const { return static_cast<bool>(accessible_); }
    std::string Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*),
                     LONG child = CHILDID_SELF) const
    {
        BSTR text = nullptr;
        if (FAILED((accessible_.get()->*get)(Child(child), &text)) || !text)
            return std::string();
        const std::string utf8 = fw::Utf8(text);
        ::SysFreeString(text);
        return utf8;
    }
    std::string Name(LONG child = CHILDID_SELF) const
    {
        return Text(&IAccessible::get_accName, child);
    }
    std::string Description(LONG child) const
    {
        return Text(&IAccessible::get_accDescription, child);
    }
    LONG Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*),
                LONG child = CHILDID_SELF) const
    {
        VARIANT value;
        ::VariantInit(&value);
        return SUCCEEDED((accessible_.get()->*get)(Child(child), &value)) && value.vt == VT_I4
                   ? value.lVal
                   : -1;
    }
    // The child reached from `from` in the direction; 0 for none.
    LONG Navigate(LONG from, LONG direction) const
    {
        VARIANT end;
        ::VariantInit(&end);
        accessible_->accNavigate(direction, Child(from), &end);
        return end.vt == VT_I4 ? end.lVal : 0;
    }
    LONG HitTest(POINT point) const
    {
        VARIANT hit;
        ::VariantInit(&hit);
        accessible_->accHitTest(point.x, point.y, &hit);
        return hit.vt == VT_I4 ? hit.lVal : -1;
    }
    RECT Location(LONG child) const
    {
        LONG x = 0, y = 0, w = 0, h = 0;
        accessible_->accLocation(&x, &y, &w, &h, Child(child));
        return RECT{x, y, x + w, y + h};
    }

    HRESULT result = E_FAIL;

private:
    fw::ComPtr<IAccessible> accessible_;
};

// The questions with an output VARIANT, asked of the object about the child,
// that answer "nothing" or fail without setting their output: a client that
// clears what it gets back would free garbage. Empty when there are none.
inline std::string UnsetOutputs(IAccessible* object, LONG child)
{
    const struct {
        const char* name;
        std::function<HRESULT(VARIANT*)> ask;
    } questions[] = {
        {"role ", [&](VARIANT* out) { return object->get_accRole(Child(child), out); }},
        {"state ", [&](VARIANT* out) { return object->get_accState(Child(child), out); }},
        {"focus ", [&](VARIANT* out) { return object->get_accFocus(out); }},
        {"selection ", [&](VARIANT* out) { return object->get_accSelection(out); }},
        {"navigate ",
         [&](VARIANT* out) { return object->accNavigate(NAVDIR_NEXT, Child(child), out); }},
        {"hit test ", [&](VARIANT* out) { return object->accHitTest(-1, -1, out); }},
    };
    std::string unset;
    for (const auto& q : questions) {
        VARIANT out;
        out.vt = VT_I4; // what an uninitialised VARIANT may hold
        out.lVal = 12345;
        const HRESULT answer = q.ask(&out);
        if ((FAILED(answer) || answer == S_FALSE) && out.vt != VT_EMPTY)
            unset += q.name;
    }
    return unset;
}

} // namespace testing_support
