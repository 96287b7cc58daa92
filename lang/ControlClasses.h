#pragma once
// The kinds of control that translation knows, told apart by window class name
// (without regard to case), and the test for texts that need no translation.
#include <windows.h>

#include "framework/Strings.h"

bool IsButton(HWND window);   // "Button": push buttons, check boxes, radios, group boxes
bool IsStatic(HWND window);   // "Static": labels, pictures, links
bool IsListView(HWND window); // "SysListView32"
bool IsComboBox(HWND window); // "ComboBox"
bool IsListBox(HWND window);  // "ListBox"

// A static that shows an icon, a bitmap or a metafile: its window text is the
// picture's resource reference (0xFF and the id), not a text to translate.
bool IsPictureStatic(HWND window);

// True when the text is empty or made only of digits, tab, blank and the
// characters & _ - % > < . , (a lone "-", a row of points, "50%").
bool HasNothingToTranslate(const CString& text);
