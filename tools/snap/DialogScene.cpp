// Scene "dialog": any dialog template of the resources, shown as a popup with
// a do-nothing dialog procedure. Page templates (child, disabled) are turned
// into popups so they can stand alone.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Scene.h"

namespace snap {

namespace {

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

// The style of a DLGTEMPLATE or DLGTEMPLATEEX, in place.
DWORD* StyleOf(std::vector<BYTE>& tpl)
{
    if (tpl.size() < 16)
        return nullptr;
    auto words = reinterpret_cast<WORD*>(tpl.data());
    bool extended = words[0] == 1 && words[1] == 0xFFFF;
    return reinterpret_cast<DWORD*>(tpl.data() + (extended ? 12 : 0));
}

HWND CreateDialogScene(const std::string& argument)
{
    int id = std::atoi(argument.c_str());
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const BYTE* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!bytes) {
        std::fprintf(stderr, "no dialog template %s\n", argument.c_str());
        return nullptr;
    }
    std::vector<BYTE> tpl(bytes, bytes + SizeofResource(nullptr, found));
    DWORD* style = StyleOf(tpl);
    if (!style)
        return nullptr;
    if (*style & WS_CHILD)
        *style = (*style & ~(WS_CHILD | WS_DISABLED)) | WS_POPUP | WS_CAPTION;
    *style &= ~WS_VISIBLE;
    return CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                      reinterpret_cast<LPCDLGTEMPLATEA>(tpl.data()), nullptr,
                                      PlainDialogProc, 0);
}

SceneRegistration dialogScene({"dialog", "<template id>", CreateDialogScene});

} // namespace

} // namespace snap
