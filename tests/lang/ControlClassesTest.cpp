#include "lang/ControlClasses.h"

#include <gtest/gtest.h>
#include <commctrl.h>

TEST(HasNothingToTranslate, DigitsPunctuationAndBlanksOnly)
{
    for (const char* text : {"", "-", "...", "50%", "1, 2", "<< >>", "&_\t ", "-1.5"})
        EXPECT_TRUE(HasNothingToTranslate(text)) << '"' << text << '"';
    for (const char* text : {"a", "<< &Previous", "&Next >>", "5 days", "100%!", "E&xit", ":"})
        EXPECT_FALSE(HasNothingToTranslate(text)) << '"' << text << '"';
}

TEST(ControlClasses, TellsTheFiveKindsApartAndNothingForDeadWindows)
{
    struct Case {
        const char* className;
        bool (*test)(HWND);
    };
    const Case cases[] = {{"BUTTON", IsButton},
                          {"static", IsStatic},
                          {"SysListView32", IsListView},
                          {"ComboBox", IsComboBox},
                          {"ListBox", IsListBox}};
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    for (const Case& c : cases) {
        HWND window = CreateWindowExA(0, c.className, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                      nullptr, nullptr);
        ASSERT_TRUE(window != nullptr) << c.className;
        for (const Case& other : cases)
            EXPECT_EQ(&c == &other, other.test(window)) << c.className << " vs " << other.className;
        DestroyWindow(window);
        EXPECT_FALSE(c.test(window));
        EXPECT_EQ("", GetWindowClassName(window));
    }
    EXPECT_FALSE(IsButton(nullptr));
    EXPECT_EQ("", GetWindowClassName(nullptr));
}

TEST(ControlClasses, PictureStatics)
{
    for (DWORD type : {SS_ICON, SS_BITMAP, SS_ENHMETAFILE, SS_LEFT, SS_CENTER}) {
        HWND window = CreateWindowExA(0, "Static", "text", WS_POPUP | type, 0, 0, 10, 10, nullptr,
                                      nullptr, nullptr, nullptr);
        const bool picture = type == SS_ICON || type == SS_BITMAP || type == SS_ENHMETAFILE;
        EXPECT_EQ(picture, IsPictureStatic(window)) << type;
        DestroyWindow(window);
    }
    HWND button = CreateWindowExA(0, "Button", "text", WS_POPUP | BS_BITMAP, 0, 0, 10, 10, nullptr,
                                  nullptr, nullptr, nullptr);
    EXPECT_FALSE(IsPictureStatic(button));
    DestroyWindow(button);
}
