#include "lang/ControlClasses.h"

#include <mbstring.h>

namespace {

bool HasClass(HWND window, const char* className)
{
    const CString name = GetWindowClassName(window);
    return !name.empty() && _mbsicmp(reinterpret_cast<const unsigned char*>(name.c_str()),
                                     reinterpret_cast<const unsigned char*>(className)) == 0;
}

} // namespace

CString GetWindowClassName(HWND window)
{
    if (!window || !IsWindow(window))
        return CString();
    char name[260] = {};
    const int length = GetClassNameA(window, name, sizeof(name));
    return length > 0 ? CString(name) : CString();
}

bool IsButton(HWND window)
{
    return HasClass(window, "Button");
}
bool IsStatic(HWND window)
{
    return HasClass(window, "Static");
}
bool IsListView(HWND window)
{
    return HasClass(window, "SysListView32");
}
bool IsComboBox(HWND window)
{
    return HasClass(window, "ComboBox");
}
bool IsListBox(HWND window)
{
    return HasClass(window, "ListBox");
}

bool IsPictureStatic(HWND window)
{
    if (!IsStatic(window))
        return false;
    const LONG_PTR type = GetWindowLongPtrA(window, GWL_STYLE) & SS_TYPEMASK;
    return type == SS_ICON || type == SS_BITMAP || type == SS_ENHMETAFILE;
}

bool HasNothingToTranslate(const CString& text)
{
    return text.find_first_not_of("0123456789\t &_-%><.,") == CString::npos;
}
