#pragma once
// In-memory dialog templates of the bare program: no controls, a caption and
// the usual dialog font; the children are created at run time.
#include <windows.h>

#include <vector>

// A modeless or modal dialog template of cx x cy dialog units.
std::vector<WORD> DialogTemplate(DWORD style, short cx, short cy, const wchar_t* caption);
