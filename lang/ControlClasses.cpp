#include "lang/ControlClasses.h"

namespace {

bool HasClass(HWND window, const wchar_t* className)
{
    if (!window || !IsWindow(window))
        return false;
    wchar_t name[260] = {};
    return GetClassNameW(window, name, 260) > 0 && lstrcmpiW(name, className) == 0;
}

} // namespace

bool IsButton(HWND window)
{
    return HasClass(window, L"Button");
}
bool IsStatic(HWND window)
{
    return HasClass(window, L"Static");
}
bool IsListView(HWND window)
{
    return HasClass(window, L"SysListView32");
}
bool IsComboBox(HWND window)
{
    return HasClass(window, L"ComboBox");
}
bool IsListBox(HWND window)
{
    return HasClass(window, L"ListBox");
}

bool IsPictureStatic(HWND window)
{
    if (!IsStatic(window))
        return false;
    const LONG_PTR type = GetWindowLongPtrW(window, GWL_STYLE) & SS_TYPEMASK;
    return type == SS_ICON || type == SS_BITMAP || type == SS_ENHMETAFILE;
}

bool HasNothingToTranslate(const CString& text)
{
    return text.find_first_not_of("0123456789\t &_-%><.,") == CString::npos;
}
