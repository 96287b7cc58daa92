#pragma once
// Texts of windows and of the items they hold, read and set through the wide
// functions: the program keeps UTF-8, every window is a Unicode window.
#include <windows.h>

#include <string>

namespace fw {

std::string GetWindowText(HWND window);
bool SetWindowText(HWND window, const std::string& text);

// The item's text of a list box (LB_GETTEXTLEN, LB_GETTEXT) or a combo box
// (CB_GETLBTEXTLEN, CB_GETLBTEXT); empty for an item that does not exist.
std::string GetItemText(HWND control, UINT lengthMessage, UINT textMessage, int index);
// Sends a message whose lParam is a text (LB_ADDSTRING, CB_FINDSTRINGEXACT, ...).
LRESULT SendTextMessage(HWND control, UINT message, WPARAM wParam, const std::string& text);

// The text of a menu item, at most 255 characters.
std::string GetMenuString(HMENU menu, UINT item, UINT flags);

} // namespace fw
