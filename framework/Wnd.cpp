#include "framework/Wnd.h"

#include "framework/Module.h"
#include "framework/TextCodec.h"
#include "framework/WindowText.h"

namespace {

// The object bound to a window is kept in a property of that window.
constexpr wchar_t kObjectProperty[] = L"Velindra.CWnd";
constexpr wchar_t kDefaultClass[] = L"VelindraWnd";

// The object whose window CreateEx is making, until its first message.
thread_local CWnd* t_creating = nullptr;

bool IsCtlColor(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

} // namespace

CWnd::~CWnd()
{
    if (!m_hWnd)
        return;
    // Unbind first: the window must not call into a half-destroyed object.
    HWND window = m_hWnd;
    Unbind();
    if (::IsWindow(window))
        ::DestroyWindow(window);
}

CWnd* CWnd::FromHandlePermanent(HWND window)
{
    if (!window)
        return nullptr;
    return static_cast<CWnd*>(::GetPropW(window, kObjectProperty));
}

void CWnd::Bind(HWND window, WNDPROC superProc)
{
    m_hWnd = window;
    superProc_ = superProc;
    ::SetPropW(window, kObjectProperty, this);
}

void CWnd::Unbind()
{
    if (!m_hWnd)
        return;
    ::RemovePropW(m_hWnd, kObjectProperty);
    if (superProc_ && reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC)) ==
                          &CWnd::StaticWndProc)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(superProc_));
    superProc_ = nullptr;
    m_hWnd = nullptr;
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* text, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id)
{
    if (m_hWnd)
        return false;
    std::wstring wideClass = className ? fw::Wide(className) : std::wstring(kDefaultClass);
    if (!className) {
        static const bool registered = [] {
            WNDCLASSEXW wc{};
            wc.cbSize = sizeof(wc);
            wc.style = CS_DBLCLKS;
            wc.lpfnWndProc = &CWnd::StaticWndProc;
            wc.hInstance = AfxGetInstanceHandle();
            wc.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
            wc.lpszClassName = kDefaultClass;
            return ::RegisterClassExW(&wc) != 0;
        }();
        if (!registered)
            return false;
    }
    t_creating = this;
    HWND window = ::CreateWindowExW(
        exStyle, wideClass.c_str(), fw::Wide(text ? text : "").c_str(), style, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
        (style & WS_CHILD) ? reinterpret_cast<HMENU>(UINT_PTR{id}) : nullptr,
        AfxGetInstanceHandle(), nullptr);
    t_creating = nullptr;
    if (window && !m_hWnd) // a class whose procedure is not ours: bind now
        SubclassWindow(window);
    return window != nullptr;
}

bool CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return false;
    return ::DestroyWindow(m_hWnd) != FALSE;
}

bool CWnd::SubclassWindow(HWND window)
{
    if (m_hWnd || !window || FromHandlePermanent(window))
        return false;
    auto previous = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWndProc)));
    Bind(window, previous);
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    return parent && SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow()
{
    HWND window = m_hWnd;
    Unbind();
    return window;
}

std::string CWnd::GetWindowText() const
{
    return fw::GetWindowText(m_hWnd);
}

void CWnd::SetWindowText(const std::string& text)
{
    fw::SetWindowText(m_hWnd, text);
}

RECT CWnd::GetClientRect() const
{
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetWindowRect() const
{
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

void CWnd::ScreenToClient(RECT& rect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
}

void CWnd::CenterWindow()
{
    RECT window = GetWindowRect();
    RECT area{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    int x = area.left + ((area.right - area.left) - (window.right - window.left)) / 2;
    int y = area.top + ((area.bottom - area.top) - (window.bottom - window.top)) / 2;
    SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::ModifyStyle(DWORD remove, DWORD add)
{
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>((GetStyle() & ~remove) | add));
}

void CWnd::ModifyStyleEx(DWORD remove, DWORD add)
{
    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, static_cast<LONG_PTR>((GetExStyle() & ~remove) | add));
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

bool CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    // Offer the message to this control's own map under its reflected id.
    return OnWndMsg(fw::Reflected(message), wParam, lParam, result);
}

const fw::MessageMap* CWnd::GetThisMessageMap()
{
    static const fw::MessageEntry entries[] = {{fw::Match::Message, 0, 0, 0, nullptr}};
    static const fw::MessageMap map{nullptr, entries};
    return &map;
}

const fw::MessageMap* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    UINT id = 0;
    UINT code = 0;
    if (message == WM_COMMAND) {
        id = LOWORD(wParam);
        code = HIWORD(wParam);
    } else if (message == WM_NOTIFY && lParam) {
        auto* header = reinterpret_cast<const NMHDR*>(lParam);
        id = static_cast<UINT>(header->idFrom);
        code = header->code;
    }
    for (const fw::MessageMap* map = GetMessageMap(); map; map = map->base) {
        for (const fw::MessageEntry* e = map->entries; e->thunk; ++e) {
            bool matches = false;
            switch (e->match) {
            case fw::Match::Message:
                matches = message >= e->first && message <= e->last;
                break;
            case fw::Match::Command:
                // Menu and accelerator commands carry codes 0 and 1.
                matches = message == WM_COMMAND && id == e->first &&
                          (code == e->code || (e->code == 0 && code <= 1));
                break;
            case fw::Match::Notify:
                matches = message == WM_NOTIFY && id == e->first && code == e->code;
                break;
            }
            LRESULT value = 0;
            if (matches && e->thunk(this, message, wParam, lParam, value)) {
                *result = value;
                return true;
            }
        }
    }
    return false;
}

bool CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    HWND child = nullptr;
    if (IsCtlColor(message)) {
        child = reinterpret_cast<HWND>(lParam);
    } else if (message == WM_DRAWITEM) {
        // A menu's items are no control's: the menu's owner opts into
        // drawing them (ON_MENU_OWNERDRAW, framework/Menu.h).
        auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlType == ODT_MENU)
            return false;
        child = item->hwndItem;
    } else if (message == WM_MEASUREITEM) {
        auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        if (item->CtlType == ODT_MENU)
            return false;
        child = ::GetDlgItem(m_hWnd, static_cast<int>(item->CtlID));
    } else {
        return false;
    }
    CWnd* object = FromHandlePermanent(child);
    return object && object != this && object->OnChildNotify(message, wParam, lParam, result);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A high-contrast scheme turned on or off comes as a change of settings;
    // its colours, like any change of the system's colours, reach only the
    // top-level windows: each passes them on to every window inside it.
    const bool topLevel = !(GetStyle() & WS_CHILD);
    if (message == WM_SETTINGCHANGE && wParam == SPI_SETHIGHCONTRAST && topLevel)
        SendMessage(WM_SYSCOLORCHANGE);
    LRESULT result = 0;
    if (ReflectToChild(message, wParam, lParam, &result))
        return result;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    if (message == WM_SYSCOLORCHANGE && topLevel && IsWindow())
        PassColourChangeOn();
    if (message == WM_SETTINGCHANGE && topLevel && IsWindow() && IsRegionalChange(lParam))
        PassSettingChangeOn(wParam, lParam);
    return result;
}

// The regional settings (names, formats, the first day of the week) come
// to the top-level windows too: each passes them on to every window inside.
bool CWnd::IsRegionalChange(LPARAM area)
{
    const auto* name = reinterpret_cast<const wchar_t*>(area);
    return name && ::lstrcmpiW(name, L"intl") == 0;
}

void CWnd::PassSettingChangeOn(WPARAM wParam, LPARAM lParam)
{
    struct Change {
        WPARAM wParam;
        LPARAM lParam;
    } change{wParam, lParam};
    ::EnumChildWindows(
        m_hWnd,
        [](HWND child, LPARAM data) {
            const Change& c = *reinterpret_cast<const Change*>(data);
            ::SendMessageW(child, WM_SETTINGCHANGE, c.wParam, c.lParam);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&change));
}

void CWnd::PassColourChangeOn()
{
    ::EnumChildWindows(
        m_hWnd,
        [](HWND child, LPARAM) {
            ::SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
            return TRUE;
        },
        0);
    ::RedrawWindow(m_hWnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (superProc_)
        return ::CallWindowProcW(superProc_, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    if (!currentMessage_)
        return 0;
    return DefWindowProc(currentMessage_->message, currentMessage_->wParam,
                         currentMessage_->lParam);
}

LRESULT CALLBACK CWnd::StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* object = FromHandlePermanent(window);
    if (!object && t_creating && message != WM_NCDESTROY) {
        // First message of a window that CreateEx is making with our class.
        object = t_creating;
        t_creating = nullptr;
        object->Bind(window, ::DefWindowProcW);
    }
    if (!object)
        return ::DefWindowProcW(window, message, wParam, lParam);

    MSG current{window, message, wParam, lParam, 0, {0, 0}};
    const MSG* outer = object->currentMessage_;
    object->currentMessage_ = &current;
    LRESULT result;
    if (message == WM_NCDESTROY) {
        result = object->DefWindowProc(message, wParam, lParam);
        object->currentMessage_ = outer;
        object->Unbind();
        object->PostNcDestroy();
        return result;
    }
    result = object->WindowProc(message, wParam, lParam);
    object->currentMessage_ = outer;
    return result;
}

bool WalkPreTranslateTree(HWND stop, MSG* message)
{
    for (HWND window = message->hwnd; window; window = ::GetParent(window)) {
        CWnd* object = CWnd::FromHandlePermanent(window);
        if (object && object->PreTranslateMessage(message))
            return true;
        if (window == stop)
            break;
    }
    return false;
}
