#pragma once
// Active Accessibility for windows that draw themselves: what a window's own
// IAccessible needs. A window answers WM_GETOBJECT (OBJID_CLIENT) with
// AnswerGetObject; screen readers (and UI Automation clients, through the
// system's bridge) then read the object's answers, from this process or
// from another one.
//
// Accessible gives the COM plumbing (reference counting, no IDispatch type
// information) and answers "not supported" to every IAccessible question;
// a window's object overrides what it can tell. AccessibleProxy starts from
// the system's own object for the window (CreateStdAccessibleObject) and
// changes only some of its answers.
//
// The interface's id is taken with __uuidof: MinGW's IID_IAccessible, linked
// statically, does not hold the right value.
#include <windows.h>

#include <oleacc.h>

#include <string>

#include "framework/ComPtr.h"

namespace fw {

// A BSTR holding the UTF-8 text, for the caller to free; null for an empty text.
BSTR MakeBstr(const std::string& text);
// Hands the text out as an IAccessible text answer: S_OK with the text, or
// S_FALSE with null when it is empty.
HRESULT AnswerText(const std::string& text, BSTR* out);
// The child id a VARIANT names (VT_I4); -1 for anything else.
LONG ChildIdOf(const VARIANT& child);
// A VARIANT answer: VT_I4 with the value.
HRESULT AnswerNumber(LONG value, VARIANT* out);
// What an IAccessible answers for "none": S_FALSE with VT_EMPTY.
HRESULT AnswerNothing(VARIANT* out);
// Sets an output VARIANT to VT_EMPTY (when there is one): every method does
// so before anything can fail, because a client may clear what it gets back
// whatever the result.
void ClearOut(VARIANT* out);

// The result of WM_GETOBJECT for the object (LresultFromObject), which keeps
// its own reference; 0 when it cannot be handed out.
LRESULT AnswerGetObject(IAccessible* object, WPARAM wParam);
// Whether a WM_GETOBJECT asks for the window's client object.
bool AsksForClient(LPARAM objectId);

class Accessible : public IAccessible {
public:
    Accessible() = default;
    Accessible(const Accessible&) = delete;
    Accessible& operator=(const Accessible&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch: no type information.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override;

    // IAccessible: "not supported" unless a derived object answers.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

protected:
    virtual ~Accessible() = default;

private:
    LONG references_ = 1;
};

// The system's object for the window's client area, with the answers a
// derived object overrides; everything else is the system's. Without a
// system object every question fails (E_FAIL). Outputs are set to "nothing"
// before the system's object is asked.
class AccessibleProxy : public Accessible {
public:
    explicit AccessibleProxy(HWND window);

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;

protected:
    ~AccessibleProxy() override;

    HWND window_;
    ComPtr<IAccessible> standard_;
};

// Pictures that only decorate are not announced: the picture's window
// answers with the system's object for it, marked invisible, which clients
// that walk a window's objects pass over as they pass over a hidden window
// (an empty name or another role would still be read out as "graphic" by
// some readers). The window itself stays as it is. False when the window
// cannot be subclassed.
bool MarkDecorative(HWND picture);
// Every picture static (SS_BITMAP, SS_ICON, SS_ENHMETAFILE) among the
// window's children: every dialog does this for its own pictures, which in
// this program only decorate the texts beside them.
void MarkDecorativePictures(HWND parent);

} // namespace fw
