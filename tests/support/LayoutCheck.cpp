#include "tests/support/LayoutCheck.h"

#include <commctrl.h>

#include <algorithm>
#include <map>

#include "framework/Dc.h"
#include "framework/Gdi.h"
#include "framework/TextCodec.h"

namespace testing_support {
namespace {

std::string ClassOf(HWND window)
{
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return fw::Utf8(name);
}

std::string Describe(HWND control)
{
    return "control " + std::to_string(::GetDlgCtrlID(control)) + " \"" + TextOf(control) + "\"";
}

std::string Size(const RECT& rect)
{
    return std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

RECT RectIn(HWND window, HWND parent)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Room the control leaves its text, and how it lays the text out: 0 when
// the control shows no text of its own.
UINT TextRoom(HWND control, RECT& room)
{
    ::GetClientRect(control, &room);
    const LONG_PTR style = ::GetWindowLongPtrW(control, GWL_STYLE);
    if (lstrcmpiA(ClassOf(control).c_str(), "Static") == 0) {
        const LONG_PTR type = style & SS_TYPEMASK;
        const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
        if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT)
            return DT_WORDBREAK | prefix;
        return type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE ? DT_SINGLELINE | prefix : 0;
    }
    if (lstrcmpiA(ClassOf(control).c_str(), "Button") != 0)
        return 0;
    const LONG_PTR type = style & BS_TYPEMASK; // push buttons, check boxes and radio buttons
    if (type > BS_AUTO3STATE && type != BS_AUTORADIOBUTTON)
        return 0;
    if (type <= BS_DEFPUSHBUTTON)
        ::InflateRect(&room, -3, -3); // the button's edge and its focus rectangle
    else
        room.left += ::GetSystemMetrics(SM_CXMENUCHECK) + 4; // the box
    return (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
}

// Overlaps of an allowed pair, and of an up-down control with its buddy.
bool Allowed(HWND a, HWND b, const std::vector<AllowedOverlap>& allowed)
{
    const int idA = ::GetDlgCtrlID(a), idB = ::GetDlgCtrlID(b);
    for (const AllowedOverlap& pair : allowed)
        if ((pair.first == idA && pair.second == idB) || (pair.first == idB && pair.second == idA))
            return true;
    auto buddy = [](HWND spin) {
        return ClassOf(spin) == UPDOWN_CLASSA ? HWND(::SendMessageW(spin, UDM_GETBUDDY, 0, 0))
                                              : nullptr;
    };
    return buddy(a) == b || buddy(b) == a;
}

std::vector<HWND> VisibleChildren(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE)
            children.push_back(child);
    return children;
}

void CollectMnemonics(HWND window, std::vector<std::pair<wchar_t, HWND>>& keys)
{
    for (HWND child : VisibleChildren(window)) {
        RECT room{};
        if (const wchar_t key = TextRoom(child, room) ? Mnemonic(TextOf(child)) : 0)
            keys.emplace_back(key, child);
        if (ClassOf(child) == "#32770")
            CollectMnemonics(child, keys);
    }
}

// A count box (a digits-only edit) has room for the widest number it takes,
// within its border and margins (which the visual style makes wider), and
// shows its number unscrolled and, with the focus, its caret after it.
bool NumberFits(HWND edit, std::string* reason)
{
    const int digits = static_cast<int>(::SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
    if (digits <= 0 || digits > 9)
        return true;
    const std::wstring widest(static_cast<size_t>(digits), L'0');
    RECT room{};
    ::SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    const LRESULT first = ::SendMessageW(edit, EM_POSFROMCHAR, 0, 0);
    SIZE need{};
    {
        CClientDC dc(edit);
        fw::SelectGuard font(dc, HFONT(::SendMessageW(edit, WM_GETFONT, 0, 0)));
        ::GetTextExtentPoint32W(dc, widest.c_str(), digits, &need);
    }
    const int left = first == -1 ? room.left : static_cast<short>(LOWORD(first));
    // A pixel of air on either side: an edit whose text touches its room
    // scrolls to show the caret after it and cuts the first digit. With the
    // focus, the caret stands after the number: before it, the caret is drawn
    // over the first digit.
    DWORD selectionEnd = 0;
    ::SendMessageW(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&selectionEnd));
    const bool caretAfter =
        ::GetFocus() != edit || selectionEnd >= static_cast<DWORD>(::GetWindowTextLengthW(edit));
    const bool fits = need.cx + 2 <= room.right - room.left && need.cy <= room.bottom - room.top &&
                      left >= room.left && caretAfter;
    if (!fits && reason)
        *reason = "\"" + fw::Utf8(widest) + "\" needs " + std::to_string(need.cx) + "x" +
                  std::to_string(need.cy) + ", has " + Size(room) + ", its text from x " +
                  std::to_string(left) + (caretAfter ? "" : ", the caret before it");
    return fits;
}

// A text fits a static, button, check box or radio button as the control
// lays it out (a count box: its widest number, whatever the text); false with
// the reason otherwise.
bool TextFits(HWND control, const std::string& text, std::string* reason)
{
    if (lstrcmpiA(ClassOf(control).c_str(), "Edit") == 0)
        return !(::GetWindowLongPtrW(control, GWL_STYLE) & ES_NUMBER) ||
               NumberFits(control, reason);
    RECT room{};
    const UINT layout = TextRoom(control, room);
    if (!layout || text.empty())
        return true;
    HDC dc = ::GetDC(control);
    HGDIOBJ old = ::SelectObject(dc, HFONT(::SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT need{0, 0, room.right - room.left, 0};
    const std::wstring wide = fw::Wide(text);
    ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &need,
                layout | DT_CALCRECT | DT_EXPANDTABS);
    ::SelectObject(dc, old);
    ::ReleaseDC(control, dc);
    const bool fits = need.right <= room.right - room.left && need.bottom <= room.bottom - room.top;
    if (!fits && reason)
        *reason = "needs " + Size(need) + ", has " + Size(room);
    return fits;
}

} // namespace

std::string TextOf(HWND window)
{
    wchar_t text[1024] = {};
    ::GetWindowTextW(window, text, 1024);
    return fw::Utf8(text);
}

void CheckLayout(HWND window, const std::string& name, std::vector<std::string>& faults,
                 const std::vector<AllowedOverlap>& allowed)
{
    RECT client{}, inside{}, both{};
    ::GetClientRect(window, &client);
    const std::vector<HWND> children = VisibleChildren(window);
    for (size_t i = 0; i < children.size(); ++i) {
        const HWND child = children[i];
        const RECT rect = RectIn(child, window);
        if (!::IntersectRect(&inside, &rect, &client) || !::EqualRect(&inside, &rect))
            faults.push_back(name + ": " + Describe(child) + " at (" + std::to_string(rect.left) +
                             "," + std::to_string(rect.top) + ") " + Size(rect) +
                             " leaves its parent of " + Size(client));
        std::string reason;
        if (!TextFits(child, TextOf(child), &reason))
            faults.push_back(name + ": " + Describe(child) + " does not fit: " + reason);
        for (size_t j = i + 1; j < children.size(); ++j) {
            const RECT other = RectIn(children[j], window);
            if (::IntersectRect(&both, &rect, &other) && !Allowed(child, children[j], allowed))
                faults.push_back(name + ": " + Describe(child) + " overlaps " +
                                 Describe(children[j]));
        }
        if (ClassOf(child) == "#32770")
            CheckLayout(child, name + "/" + std::to_string(::GetDlgCtrlID(child)), faults, allowed);
    }
}

void CheckTextsFit(HWND control, const std::vector<std::string>& texts, const std::string& name,
                   std::vector<std::string>& faults)
{
    std::string reason, first;
    int misfits = 0;
    for (const std::string& text : texts)
        if (!TextFits(control, text, misfits ? nullptr : &reason) && misfits++ == 0)
            first = text;
    if (misfits)
        faults.push_back(name + ": " + std::to_string(misfits) + " texts do not fit " +
                         Describe(control) + ", as \"" + first + "\": " + reason);
}

void CheckPainting(HWND window, const std::string& name, const Painting& painting,
                   std::vector<std::string>& faults)
{
    auto crosses = [](const RECT& control, const RECT& frame, int line) {
        RECT inner = frame, both{};
        ::InflateRect(&inner, -line, -line);
        const bool inside =
            ::IntersectRect(&both, &control, &inner) && ::EqualRect(&both, &control);
        return ::IntersectRect(&both, &control, &frame) && !inside;
    };
    for (HWND child : VisibleChildren(window)) {
        const RECT rect = RectIn(child, window);
        RECT both{};
        for (const RECT& frame : painting.frames)
            if (crosses(rect, frame, painting.line))
                faults.push_back(name + ": the frame " + Size(frame) + " at (" +
                                 std::to_string(frame.left) + "," + std::to_string(frame.top) +
                                 ") runs through " + Describe(child));
        for (const RECT& band : painting.bands)
            if (::IntersectRect(&both, &rect, &band))
                faults.push_back(name + ": the separator at row " + std::to_string(band.top) +
                                 " runs through " + Describe(child));
    }
}

void CheckMargins(HWND window, const std::string& name, std::vector<std::string>& faults)
{
    RECT client{}, box{}, most{0, 0, 16, 16}; // dialog units
    ::GetClientRect(window, &client);
    ::MapDialogRect(window, &most);
    for (HWND child : VisibleChildren(window)) {
        const RECT rect = RectIn(child, window);
        ::UnionRect(&box, &box, &rect); // an empty box takes the other whole
    }
    if (std::max(box.left, client.right - box.right) > most.right ||
        std::max(box.top, client.bottom - box.bottom) > most.bottom)
        faults.push_back(name + ": the controls take " + Size(box) + " of " + Size(client));
}

namespace {

// The pixels of a character drawn alone, black on white, in a font (one
// with linked fonts takes the glyph from whichever font has it).
std::string GlyphPicture(HFONT font, const std::wstring& character)
{
    constexpr int kSide = 96;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSide, -kSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    CBitmap bitmap;
    bitmap.Attach(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    CDC dc;
    if (!bits || !dc.CreateCompatibleDC(nullptr))
        return std::string();
    fw::SelectGuard selectBitmap(dc, bitmap), selectFont(dc, font);
    RECT all{0, 0, kSide, kSide};
    dc.FillSolidRect(all, RGB(255, 255, 255));
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetBkMode(TRANSPARENT);
    ::DrawTextW(dc, character.c_str(), static_cast<int>(character.size()), &all,
                DT_NOPREFIX | DT_SINGLELINE);
    ::GdiFlush();
    return std::string(static_cast<const char*>(bits), kSide * kSide * 4);
}

bool IsMissingGlyph(HFONT font, const std::wstring& character)
{
    static std::map<std::pair<HFONT, std::wstring>, bool> known;
    const auto found = known.find({font, character});
    if (found != known.end())
        return found->second;
    const std::string picture = GlyphPicture(font, character);
    // U+0378 is assigned to no character: no font has a glyph for it.
    const bool missing =
        picture == GlyphPicture(font, L"\u0378") || picture == GlyphPicture(font, L" ");
    known[{font, character}] = missing;
    return missing;
}

void CheckTextGlyphs(HWND control, const std::string& name, std::vector<std::string>& faults)
{
    const LONG_PTR type = ::GetWindowLongPtrW(control, GWL_STYLE) & SS_TYPEMASK;
    if (ClassOf(control) == "Static" && (type == SS_ICON || type == SS_BITMAP))
        return; // its text is the picture's resource reference
    const HFONT font = HFONT(::SendMessageW(control, WM_GETFONT, 0, 0));
    const std::string missing = MissingGlyphs(font, TextOf(control));
    if (!missing.empty())
        faults.push_back(name + ": " + Describe(control) + " draws no glyph for \"" + missing +
                         "\"");
}

} // namespace

std::string MissingGlyphs(HFONT font, const std::string& utf8)
{
    const std::wstring text = fw::Wide(utf8);
    std::wstring missing;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t length = IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size() ? 2 : 1;
        const std::wstring character = text.substr(i, length);
        i += length - 1;
        WORD kind = 0;
        ::GetStringTypeW(CT_CTYPE1, character.c_str(), 1, &kind);
        if (!(kind & (C1_SPACE | C1_BLANK | C1_CNTRL)) && character[0] != L'&' &&
            IsMissingGlyph(font, character) && missing.find(character) == std::wstring::npos)
            missing += character;
    }
    return fw::Utf8(missing);
}

void CheckGlyphs(HWND window, const std::string& name, std::vector<std::string>& faults)
{
    CheckTextGlyphs(window, name, faults);
    for (HWND child : VisibleChildren(window)) {
        CheckTextGlyphs(child, name, faults);
        if (ClassOf(child) == "#32770")
            CheckGlyphs(child, name + "/" + std::to_string(::GetDlgCtrlID(child)), faults);
    }
}

wchar_t Mnemonic(const std::string& utf8)
{
    const std::wstring text = fw::Wide(utf8);
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&')
            continue;
        if (text[i + 1] != L'&') {
            wchar_t key[2] = {text[i + 1], 0};
            ::CharLowerW(key); // letters of every script
            return key[0];
        }
        ++i; // "&&" is a plain ampersand
    }
    return 0;
}

void CheckMnemonics(HWND window, const std::string& name, std::vector<std::string>& faults)
{
    std::vector<std::pair<wchar_t, HWND>> keys;
    CollectMnemonics(window, keys);
    for (size_t i = 0; i < keys.size(); ++i)
        for (size_t j = i + 1; j < keys.size(); ++j)
            if (keys[i].first == keys[j].first)
                faults.push_back(name + ": " + Describe(keys[i].second) + " and " +
                                 Describe(keys[j].second) + " share the key '" +
                                 fw::Utf8(std::wstring(1, keys[i].first)) + "'");
}

} // namespace testing_support
