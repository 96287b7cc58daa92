#include "framework/WindowText.h"

#include <vector>

#include "framework/TextCodec.h"

namespace fw {

std::string GetWindowText(HWND window)
{
    const int length = ::GetWindowTextLengthW(window);
    if (length <= 0)
        return std::string();
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(window, buffer.data(), length + 1);
    return Utf8(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

bool SetWindowText(HWND window, const std::string& text)
{
    return ::SetWindowTextW(window, Wide(text).c_str()) != FALSE;
}

std::string GetItemText(HWND control, UINT lengthMessage, UINT textMessage, int index)
{
    const LRESULT length = ::SendMessageW(control, lengthMessage, static_cast<WPARAM>(index), 0);
    if (length <= 0) // also LB_ERR and CB_ERR
        return std::string();
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = ::SendMessageW(control, textMessage, static_cast<WPARAM>(index),
                                          reinterpret_cast<LPARAM>(buffer.data()));
    if (copied <= 0 || copied > length)
        return std::string();
    return Utf8(buffer.data(), static_cast<size_t>(copied));
}

LRESULT SendTextMessage(HWND control, UINT message, WPARAM wParam, const std::string& text)
{
    const std::wstring wide = Wide(text);
    return ::SendMessageW(control, message, wParam, reinterpret_cast<LPARAM>(wide.c_str()));
}

std::string GetMenuString(HMENU menu, UINT item, UINT flags)
{
    wchar_t buffer[256] = L"";
    const int copied = ::GetMenuStringW(menu, item, buffer, 256, flags);
    return Utf8(buffer, copied > 0 ? static_cast<size_t>(copied) : 0);
}

} // namespace fw
