#pragma once
// Message maps: each window class declares one table that reads like a list of
// "message (notification, control id) -> handler". The table of a class is
// searched first, then the table of its base class, and so on.
#include <windows.h>

class CWnd;
class CDC;

namespace fw {

// A thunk unpacks the message for one handler signature and calls it. It
// returns false when the handler declined the message (default processing).
using Thunk = bool (*)(CWnd* target, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

enum class Match : unsigned char {
    Message, // any message in [first, last]
    Command, // WM_COMMAND with notification code and control/command id
    Notify,  // WM_NOTIFY with notification code and control id
};

struct MessageEntry {
    Match match;
    UINT first; // message (Message) or control id (Command, Notify)
    UINT last;
    UINT code; // notification code for Command and Notify
    Thunk thunk;
};

struct MessageMap {
    const MessageMap* base;
    const MessageEntry* entries; // ends with an entry whose thunk is null
};

// Messages that a parent reflects back to the child control they concern.
constexpr UINT kReflectBase = 0xBC00; // above WM_USER, below WM_APP
constexpr UINT Reflected(UINT message)
{
    return kReflectBase + message;
}

// CTLCOLOR_* kind of a WM_CTLCOLOR* message (reflected or not).
constexpr UINT CtlColorKind(UINT message)
{
    return (message >= kReflectBase ? message - kReflectBase : message) - WM_CTLCOLORMSGBOX;
}

// ---- thunks for the handler signatures used in this program ----
template <class T, void (T::*F)()> bool VoidThunk(CWnd* w, UINT, WPARAM, LPARAM, LRESULT& r)
{
    (static_cast<T*>(w)->*F)();
    r = 0;
    return true;
}

template <class T, LRESULT (T::*F)(WPARAM, LPARAM)>
bool MessageThunk(CWnd* w, UINT, WPARAM wp, LPARAM lp, LRESULT& r)
{
    r = (static_cast<T*>(w)->*F)(wp, lp);
    return true;
}

template <class T, void (T::*F)(NMHDR*, LRESULT*)>
bool NotifyThunk(CWnd* w, UINT, WPARAM, LPARAM lp, LRESULT& r)
{
    r = 0;
    (static_cast<T*>(w)->*F)(reinterpret_cast<NMHDR*>(lp), &r);
    return true;
}

template <class T, void (T::*F)(UINT, LPARAM)>
bool SysCommandThunk(CWnd* w, UINT, WPARAM wp, LPARAM lp, LRESULT& r)
{
    (static_cast<T*>(w)->*F)(static_cast<UINT>(wp), lp);
    r = 0;
    return true;
}

template <class T, void (T::*F)(UINT_PTR)>
bool TimerThunk(CWnd* w, UINT, WPARAM wp, LPARAM, LRESULT& r)
{
    (static_cast<T*>(w)->*F)(static_cast<UINT_PTR>(wp));
    r = 0;
    return true;
}

template <class T, BOOL (T::*F)(HWND, UINT, UINT)>
bool SetCursorThunk(CWnd* w, UINT, WPARAM wp, LPARAM lp, LRESULT& r)
{
    r = (static_cast<T*>(w)->*F)(reinterpret_cast<HWND>(wp), LOWORD(lp), HIWORD(lp));
    return true;
}

template <class T, void (T::*F)(UINT, POINT)>
bool MouseThunk(CWnd* w, UINT, WPARAM wp, LPARAM lp, LRESULT& r)
{
    POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    (static_cast<T*>(w)->*F)(static_cast<UINT>(wp), pt);
    r = 0;
    return true;
}

template <class T, HICON (T::*F)()> bool QueryIconThunk(CWnd* w, UINT, WPARAM, LPARAM, LRESULT& r)
{
    r = reinterpret_cast<LRESULT>((static_cast<T*>(w)->*F)());
    return true;
}

// The control-colour thunks (they need CDC) are in framework/Dc.h.

} // namespace fw

// ---- declaring and defining a map ----
#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    const fw::MessageMap* GetMessageMap() const override;                                          \
                                                                                                   \
public:                                                                                            \
    static const fw::MessageMap* GetThisMessageMap();

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const fw::MessageMap* theClass::GetMessageMap() const                                          \
    {                                                                                              \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const fw::MessageMap* theClass::GetThisMessageMap()                                            \
    {                                                                                              \
        using ThisClass = theClass;                                                                \
        using TheBase = baseClass;                                                                 \
        static const fw::MessageEntry entries[] = {
#define END_MESSAGE_MAP()                                                                          \
    {                                                                                              \
        fw::Match::Message, 0, 0, 0, nullptr                                                       \
    }                                                                                              \
    }                                                                                              \
    ;                                                                                              \
    static const fw::MessageMap map{TheBase::GetThisMessageMap(), entries};                        \
    return &map;                                                                                   \
    }

// ---- entries ----
#define ON_MESSAGE(message, fn)                                                                    \
    {fw::Match::Message, message, message, 0, &fw::MessageThunk<ThisClass, &ThisClass::fn>},
// A message registered at run time (RegisterWindowMessage): `message` names a
// variable that holds it, set before the map is first used.
#define ON_REGISTERED_MESSAGE(message, fn) ON_MESSAGE(message, fn)
#define ON_COMMAND(id, fn)                                                                         \
    {fw::Match::Command, id, id, 0, &fw::VoidThunk<ThisClass, &ThisClass::fn>},
#define ON_CONTROL(code, id, fn)                                                                   \
    {fw::Match::Command, id, id, code, &fw::VoidThunk<ThisClass, &ThisClass::fn>},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_NOTIFY(code, id, fn)                                                                    \
    {fw::Match::Notify, id, id, static_cast<UINT>(code),                                           \
     &fw::NotifyThunk<ThisClass, &ThisClass::fn>},
#define ON_WM_PAINT()                                                                              \
    {fw::Match::Message, WM_PAINT, WM_PAINT, 0, &fw::VoidThunk<ThisClass, &ThisClass::OnPaint>},
#define ON_WM_DESTROY()                                                                            \
    {fw::Match::Message, WM_DESTROY, WM_DESTROY, 0,                                                \
     &fw::VoidThunk<ThisClass, &ThisClass::OnDestroy>},
#define ON_WM_CLOSE()                                                                              \
    {fw::Match::Message, WM_CLOSE, WM_CLOSE, 0, &fw::VoidThunk<ThisClass, &ThisClass::OnClose>},
#define ON_WM_TIMECHANGE()                                                                         \
    {fw::Match::Message, WM_TIMECHANGE, WM_TIMECHANGE, 0,                                          \
     &fw::VoidThunk<ThisClass, &ThisClass::OnTimeChange>},
#define ON_WM_SYSCOMMAND()                                                                         \
    {fw::Match::Message, WM_SYSCOMMAND, WM_SYSCOMMAND, 0,                                          \
     &fw::SysCommandThunk<ThisClass, &ThisClass::OnSysCommand>},
#define ON_WM_TIMER()                                                                              \
    {fw::Match::Message, WM_TIMER, WM_TIMER, 0, &fw::TimerThunk<ThisClass, &ThisClass::OnTimer>},
#define ON_WM_SETCURSOR()                                                                          \
    {fw::Match::Message, WM_SETCURSOR, WM_SETCURSOR, 0,                                            \
     &fw::SetCursorThunk<ThisClass, &ThisClass::OnSetCursor>},
#define ON_WM_LBUTTONDOWN()                                                                        \
    {fw::Match::Message, WM_LBUTTONDOWN, WM_LBUTTONDOWN, 0,                                        \
     &fw::MouseThunk<ThisClass, &ThisClass::OnLButtonDown>},
#define ON_WM_QUERYDRAGICON()                                                                      \
    {fw::Match::Message, WM_QUERYDRAGICON, WM_QUERYDRAGICON, 0,                                    \
     &fw::QueryIconThunk<ThisClass, &ThisClass::OnQueryDragIcon>},
#define ON_WM_CTLCOLOR()                                                                           \
    {fw::Match::Message, WM_CTLCOLORMSGBOX, WM_CTLCOLORSTATIC, 0,                                  \
     &fw::CtlColorThunk<ThisClass, &ThisClass::OnCtlColor>},
#define ON_WM_CTLCOLOR_REFLECT()                                                                   \
    {fw::Match::Message, fw::Reflected(WM_CTLCOLORMSGBOX), fw::Reflected(WM_CTLCOLORSTATIC), 0,    \
     &fw::CtlColorReflectThunk<ThisClass, &ThisClass::CtlColor>},
