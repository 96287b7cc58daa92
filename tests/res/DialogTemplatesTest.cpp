// Every dialog template against its table: the template's own values (size,
// caption, font, frame, each control's id, class, text, place and styles),
// then the dialog created from it, with every control present.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "res/resource.h"
#include "tests/res/TemplateReader.h"
#include "tests/res/TemplateTable.h"

using namespace restest;

namespace {

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

bool SameName(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

std::string ClassOf(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window)
{
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void ExpectItem(const TemplateItem& item, const ControlSpec& expected)
{
    EXPECT_EQ(expected.id, item.id);
    EXPECT_TRUE(SameName(expected.className, item.className)) << item.className;
    EXPECT_EQ(expected.text ? expected.text : "", item.text);
    EXPECT_EQ(expected.resource, item.resource);
    EXPECT_EQ(expected.dlu.x, item.x);
    EXPECT_EQ(expected.dlu.y, item.y);
    EXPECT_EQ(expected.dlu.cx, item.cx);
    EXPECT_EQ(expected.dlu.cy, item.cy);
    DWORD must = expected.styles | WS_CHILD | WS_VISIBLE;
    EXPECT_EQ(must, item.style & must) << std::hex << item.style;
    if (SameName(expected.className, "Button")) {
        EXPECT_EQ(expected.styles & BS_TYPEMASK, item.style & BS_TYPEMASK);
    }
    if (SameName(expected.className, "Static")) {
        EXPECT_EQ(expected.styles & SS_TYPEMASK, item.style & SS_TYPEMASK);
    }
}

void ExpectLiveControl(HWND control, const ControlSpec& expected)
{
    ASSERT_TRUE(control != nullptr);
    EXPECT_EQ(WORD(expected.id), WORD(GetDlgCtrlID(control)));
    EXPECT_TRUE(SameName(expected.className, ClassOf(control))) << ClassOf(control);
    if (expected.text) {
        EXPECT_EQ(expected.text, TextOf(control));
    }
    if (expected.resource && (expected.styles & SS_TYPEMASK) == SS_BITMAP) {
        EXPECT_TRUE(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0) << "no picture";
    }
    if (expected.resource && (expected.styles & SS_TYPEMASK) == SS_ICON) {
        EXPECT_TRUE(SendMessageA(control, STM_GETICON, 0, 0) != 0) << "no icon";
    }
}

} // namespace

TEST(DialogTemplates, MatchTheirTablesAndCreateEveryControl)
{
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&classes));
    // Pages are child templates: they need a parent window.
    HWND host = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 600, 500, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_TRUE(host != nullptr);
    for (const TemplateSpec& expected : Templates()) {
        SCOPED_TRACE("dialog " + std::to_string(expected.id));
        TemplateInfo t;
        ASSERT_TRUE(ReadTemplate(expected.id, t)) << "missing or not a DIALOGEX";
        EXPECT_EQ(expected.width, t.cx);
        EXPECT_EQ(expected.height, t.cy);
        EXPECT_EQ(expected.caption, t.caption);
        EXPECT_EQ(8, t.fontSize);
        EXPECT_EQ("MS Sans Serif", t.fontName);
        EXPECT_EQ(expected.styles, t.style & expected.styles) << std::hex << t.style;
        EXPECT_EQ(0u, t.style & expected.noStyles) << std::hex << t.style;
        EXPECT_EQ(expected.exStyles, t.exStyle & expected.exStyles);
        ASSERT_EQ(expected.controls.size(), t.items.size());
        for (size_t i = 0; i < t.items.size(); ++i) {
            SCOPED_TRACE("control " + std::to_string(i) + " id " +
                         std::to_string(expected.controls[i].id));
            ExpectItem(t.items[i], expected.controls[i]);
        }

        HWND parent = (t.style & WS_CHILD) ? host : nullptr;
        HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(expected.id),
                                         parent, PlainDialogProc, 0);
        ASSERT_TRUE(dialog != nullptr);
        // The dialog's children, in template order (controls may have children of their own).
        HWND control = GetWindow(dialog, GW_CHILD);
        for (const ControlSpec& c : expected.controls) {
            SCOPED_TRACE("live control id " + std::to_string(c.id));
            ExpectLiveControl(control, c);
            if (c.id != IDC_STATIC) {
                EXPECT_EQ(control, GetDlgItem(dialog, c.id));
            }
            control = control ? GetWindow(control, GW_HWNDNEXT) : nullptr;
        }
        EXPECT_TRUE(control == nullptr) << "more controls than the table has";
        DestroyWindow(dialog);
    }
    DestroyWindow(host);
}
