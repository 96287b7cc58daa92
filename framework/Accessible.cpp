#include "framework/Accessible.h"

#include <commctrl.h>

#include "framework/ComApartment.h"
#include "framework/TextCodec.h"

namespace fw {
namespace {

constexpr UINT_PTR kDecorativeSubclass = 0x7EC0;

class DecorativeAccessible final : public AccessibleProxy {
public:
    using AccessibleProxy::AccessibleProxy;

    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        const HRESULT result = AccessibleProxy::get_accState(child, state);
        if (SUCCEEDED(result) && state && state->vt == VT_I4)
            state->lVal |= STATE_SYSTEM_INVISIBLE;
        return result;
    }

private:
    ~DecorativeAccessible() override = default;
};

LRESULT CALLBACK DecorativeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR)
{
    if (message == WM_GETOBJECT && AsksForClient(lParam)) {
        const ComPtr<DecorativeAccessible> picture(new DecorativeAccessible(window));
        return AnswerGetObject(picture.get(), wParam); // the client holds what it needs
    }
    if (message == WM_NCDESTROY)
        ::RemoveWindowSubclass(window, &DecorativeProc, kDecorativeSubclass);
    return ::DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

bool MarkDecorative(HWND picture)
{
    return picture && ::SetWindowSubclass(picture, &DecorativeProc, kDecorativeSubclass, 0);
}

void MarkDecorativePictures(HWND parent)
{
    for (HWND child = ::GetWindow(parent, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t kind[16] = {};
        ::GetClassNameW(child, kind, 16);
        const LONG_PTR type = ::GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK;
        if (::lstrcmpiW(kind, L"Static") == 0 &&
            (type == SS_BITMAP || type == SS_ICON || type == SS_ENHMETAFILE))
            MarkDecorative(child);
    }
}

BSTR MakeBstr(const std::string& text)
{
    if (text.empty())
        return nullptr;
    const std::wstring wide = Wide(text);
    return ::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

HRESULT AnswerText(const std::string& text, BSTR* out)
{
    if (!out)
        return E_POINTER;
    *out = MakeBstr(text);
    return *out ? S_OK : S_FALSE;
}

LONG ChildIdOf(const VARIANT& child)
{
    return child.vt == VT_I4 ? child.lVal : -1;
}

HRESULT AnswerNumber(LONG value, VARIANT* out)
{
    if (!out)
        return E_POINTER;
    ::VariantInit(out);
    out->vt = VT_I4;
    out->lVal = value;
    return S_OK;
}

HRESULT AnswerNothing(VARIANT* out)
{
    if (!out)
        return E_POINTER;
    ::VariantInit(out);
    return S_FALSE;
}

void ClearOut(VARIANT* out)
{
    if (out)
        ::VariantInit(out);
}

// The object is handed out marshalled (LresultFromObject), which needs COM
// on the thread: a single-threaded apartment, whose calls from other
// processes come through the thread's message loop. Entered once per thread,
// left when the thread ends.
LRESULT AnswerGetObject(IAccessible* object, WPARAM wParam)
{
    static thread_local ComApartment apartment;
    return object ? ::LresultFromObject(__uuidof(IAccessible), wParam, object) : 0;
}

bool AsksForClient(LPARAM objectId)
{
    return static_cast<LONG>(objectId) == OBJID_CLIENT;
}

// ---- Accessible ----

HRESULT Accessible::QueryInterface(REFIID id, void** object)
{
    if (!object)
        return E_POINTER;
    if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG Accessible::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&references_));
}

ULONG Accessible::Release()
{
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT Accessible::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT Accessible::GetTypeInfo(UINT, LCID, ITypeInfo**)
{
    return E_NOTIMPL;
}

HRESULT Accessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

HRESULT Accessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return E_NOTIMPL;
}

HRESULT Accessible::get_accParent(IDispatch** parent)
{
    if (parent)
        *parent = nullptr;
    return S_FALSE;
}

HRESULT Accessible::get_accChildCount(LONG* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT Accessible::get_accChild(VARIANT, IDispatch** object)
{
    if (object)
        *object = nullptr;
    return E_INVALIDARG;
}

// The texts: none.
HRESULT Accessible::get_accName(VARIANT, BSTR* name)
{
    return AnswerText(std::string(), name);
}

HRESULT Accessible::get_accValue(VARIANT, BSTR* value)
{
    if (value)
        *value = nullptr;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT Accessible::get_accDescription(VARIANT, BSTR* description)
{
    return AnswerText(std::string(), description);
}

HRESULT Accessible::get_accRole(VARIANT, VARIANT* role)
{
    return AnswerNumber(ROLE_SYSTEM_CLIENT, role);
}

HRESULT Accessible::get_accState(VARIANT, VARIANT* state)
{
    return AnswerNumber(0, state);
}

HRESULT Accessible::get_accHelp(VARIANT, BSTR* help)
{
    return AnswerText(std::string(), help);
}

HRESULT Accessible::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic)
{
    if (file)
        *file = nullptr;
    if (topic)
        *topic = -1;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT Accessible::get_accKeyboardShortcut(VARIANT, BSTR* shortcut)
{
    return AnswerText(std::string(), shortcut);
}

HRESULT Accessible::get_accFocus(VARIANT* focus)
{
    return AnswerNothing(focus);
}

HRESULT Accessible::get_accSelection(VARIANT* selection)
{
    return AnswerNothing(selection);
}

HRESULT Accessible::get_accDefaultAction(VARIANT, BSTR* action)
{
    return AnswerText(std::string(), action);
}

HRESULT Accessible::accSelect(LONG, VARIANT)
{
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT Accessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT)
{
    for (LONG* value : {left, top, width, height})
        if (value)
            *value = 0;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT Accessible::accNavigate(LONG, VARIANT, VARIANT* end)
{
    return AnswerNothing(end);
}

HRESULT Accessible::accHitTest(LONG, LONG, VARIANT* child)
{
    return AnswerNothing(child);
}

HRESULT Accessible::accDoDefaultAction(VARIANT)
{
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT Accessible::put_accName(VARIANT, BSTR)
{
    return E_NOTIMPL;
}

HRESULT Accessible::put_accValue(VARIANT, BSTR)
{
    return E_NOTIMPL;
}

// ---- AccessibleProxy ----

namespace {

void Clear(VARIANT* out)
{
    ClearOut(out);
}
void Clear(BSTR* out)
{
    if (out)
        *out = nullptr;
}
void Clear(IDispatch** out)
{
    if (out)
        *out = nullptr;
}
void Clear(LONG* out)
{
    if (out)
        *out = 0;
}

} // namespace

AccessibleProxy::AccessibleProxy(HWND window) : window_(window)
{
    void* standard = nullptr;
    if (SUCCEEDED(
            ::CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible), &standard)))
        standard_ = ComPtr<IAccessible>(static_cast<IAccessible*>(standard));
}

AccessibleProxy::~AccessibleProxy() = default;

HRESULT AccessibleProxy::get_accParent(IDispatch** parent)
{
    Clear(parent);
    return standard_ ? standard_->get_accParent(parent) : E_FAIL;
}

HRESULT AccessibleProxy::get_accChildCount(LONG* count)
{
    Clear(count);
    return standard_ ? standard_->get_accChildCount(count) : E_FAIL;
}

HRESULT AccessibleProxy::get_accChild(VARIANT child, IDispatch** object)
{
    Clear(object);
    return standard_ ? standard_->get_accChild(child, object) : E_FAIL;
}

HRESULT AccessibleProxy::get_accName(VARIANT child, BSTR* name)
{
    Clear(name);
    return standard_ ? standard_->get_accName(child, name) : E_FAIL;
}

HRESULT AccessibleProxy::get_accValue(VARIANT child, BSTR* value)
{
    Clear(value);
    return standard_ ? standard_->get_accValue(child, value) : E_FAIL;
}

HRESULT AccessibleProxy::get_accDescription(VARIANT child, BSTR* description)
{
    Clear(description);
    return standard_ ? standard_->get_accDescription(child, description) : E_FAIL;
}

HRESULT AccessibleProxy::get_accRole(VARIANT child, VARIANT* role)
{
    Clear(role);
    return standard_ ? standard_->get_accRole(child, role) : E_FAIL;
}

HRESULT AccessibleProxy::get_accState(VARIANT child, VARIANT* state)
{
    Clear(state);
    return standard_ ? standard_->get_accState(child, state) : E_FAIL;
}

HRESULT AccessibleProxy::get_accHelp(VARIANT child, BSTR* help)
{
    Clear(help);
    return standard_ ? standard_->get_accHelp(child, help) : E_FAIL;
}

HRESULT AccessibleProxy::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic)
{
    Clear(file);
    Clear(topic);
    return standard_ ? standard_->get_accHelpTopic(file, child, topic) : E_FAIL;
}

HRESULT AccessibleProxy::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut)
{
    Clear(shortcut);
    return standard_ ? standard_->get_accKeyboardShortcut(child, shortcut) : E_FAIL;
}

HRESULT AccessibleProxy::get_accFocus(VARIANT* focus)
{
    Clear(focus);
    return standard_ ? standard_->get_accFocus(focus) : E_FAIL;
}

HRESULT AccessibleProxy::get_accSelection(VARIANT* selection)
{
    Clear(selection);
    return standard_ ? standard_->get_accSelection(selection) : E_FAIL;
}

HRESULT AccessibleProxy::get_accDefaultAction(VARIANT child, BSTR* action)
{
    Clear(action);
    return standard_ ? standard_->get_accDefaultAction(child, action) : E_FAIL;
}

HRESULT AccessibleProxy::accSelect(LONG flags, VARIANT child)
{
    return standard_ ? standard_->accSelect(flags, child) : E_FAIL;
}

HRESULT AccessibleProxy::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                     VARIANT child)
{
    Clear(left);
    Clear(top);
    Clear(width);
    Clear(height);
    return standard_ ? standard_->accLocation(left, top, width, height, child) : E_FAIL;
}

HRESULT AccessibleProxy::accNavigate(LONG direction, VARIANT start, VARIANT* end)
{
    Clear(end);
    return standard_ ? standard_->accNavigate(direction, start, end) : E_FAIL;
}

HRESULT AccessibleProxy::accHitTest(LONG x, LONG y, VARIANT* child)
{
    Clear(child);
    return standard_ ? standard_->accHitTest(x, y, child) : E_FAIL;
}

HRESULT AccessibleProxy::accDoDefaultAction(VARIANT child)
{
    return standard_ ? standard_->accDoDefaultAction(child) : E_FAIL;
}

} // namespace fw
