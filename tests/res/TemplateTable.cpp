#include "tests/res/TemplateTable.h"

#include <commctrl.h>

#include "res/resource.h"

namespace restest {

namespace {

constexpr DWORD kPage = WS_CHILD | WS_DISABLED | WS_CAPTION;
constexpr DWORD kPopup = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
constexpr DWORD kSpin = UDS_SETBUDDYINT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
constexpr DWORD kCount = ES_NUMBER | ES_CENTER | WS_BORDER | WS_TABSTOP;
constexpr DWORD kPicker = DTS_LONGDATEFORMAT | DTS_RIGHTALIGN | WS_TABSTOP;
constexpr DWORD kReadOnly = ES_READONLY | WS_BORDER;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;

ControlSpec Icon(int resource, int x, int y)
{
    return {IDC_STATIC, "Static", nullptr, resource, {x, y, 20, 20}, SS_ICON};
}

ControlSpec Picture(int id, int resource, Dlu r, DWORD more = 0)
{
    return {id, "Static", nullptr, resource, r, SS_BITMAP | more};
}

ControlSpec Text(int id, const char* text, Dlu r, DWORD styles = SS_LEFT)
{
    return {id, "Static", text, 0, r, styles};
}

ControlSpec Push(int id, const char* text, Dlu r, DWORD styles = BS_PUSHBUTTON)
{
    return {id, "Button", text, 0, r, styles};
}

ControlSpec Other(int id, const char* className, Dlu r, DWORD styles)
{
    return {id, className, nullptr, 0, r, styles};
}

std::vector<TemplateSpec> Build()
{
    const char* firstText = "The Velindra Wizard simplifies the process of changing parameters "
                            "using the standard and familiar \"wizard\" interface:";
    const char* quickText = "Quick and easy access to the Velindra, icon located on quick launch "
                            "bar. To maximize the program window, left-click the program icon on "
                            "the Quick Launch Bar";
    const char* wiz1Text = "Input please the First day of critical period. Choosing the date of "
                           "the first day of the critical period:";
    const char* wiz2Text =
        "Critical period. Input please the number of critical days for one period:";
    const char* wiz3Text = "Between critical periods. Input please the number of days between "
                           "critical periods:";
    DWORD list = LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY |
                 WS_VSCROLL | WS_TABSTOP;
    DWORD combo = CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP;
    const char* updown = "msctls_updown32";
    const char* picker = "SysDateTimePick32";
    return {
        {IDD_MAIN,
         332,
         209,
         "Critical",
         kPopup | WS_SYSMENU | WS_MINIMIZEBOX,
         WS_VISIBLE,
         WS_EX_APPWINDOW,
         {Picture(IDC_MAIN_STRIPE, IDB_STRIPE, {0, 0, 56, 176}),
          Other(IDC_MAIN_NAVIGATION, "ListBox", {52, 12, 47, 163}, list),
          Push(IDC_MAIN_WIZARD, "Wi&zard...", {108, 184, 48, 14}),
          Push(IDC_MAIN_HIDE, "&Hide", {168, 184, 48, 14}, BS_DEFPUSHBUTTON),
          Push(IDC_MAIN_EXIT, "E&xit", {220, 184, 48, 14}),
          Push(IDC_MAIN_HELP, "Help", {272, 184, 48, 14})}},
        {IDD_SCHEDULER,
         204,
         149,
         "Scheduler",
         kPage,
         WS_POPUP,
         0,
         {Text(IDC_SCHED_DATE_LABEL,
               "Input please the &first day of critical period:", {12, 12, 184, 8}),
          Other(IDC_SCHED_DATE, picker, {12, 24, 136, 12}, kPicker),
          Push(IDC_SCHED_TODAY, "&Today", {152, 23, 48, 14}), Icon(IDI_CRIT_PERIOD, 10, 55),
          Text(IDC_SCHED_CRIT_LABEL, "&Critical period:", {40, 60, 76, 20}),
          Other(IDC_SCHED_CRIT_EDIT, "Edit", {120, 60, 16, 12}, kCount),
          Other(IDC_SCHED_CRIT_SPIN, updown, {136, 60, 11, 12}, kSpin),
          Text(IDC_SCHED_CRIT_UNIT, "Days", {152, 60, 40, 12}), Icon(IDI_CLEAR_PERIOD, 10, 90),
          Text(IDC_SCHED_CLEAR_LABEL, "&Between critical periods:", {40, 95, 76, 20}),
          Other(IDC_SCHED_CLEAR_EDIT, "Edit", {120, 95, 16, 12}, kCount),
          Other(IDC_SCHED_CLEAR_SPIN, updown, {136, 95, 11, 12}, kSpin),
          Text(IDC_SCHED_CLEAR_UNIT, "Days", {152, 95, 40, 12})}},
        {IDD_MONITOR,
         204,
         149,
         "Monitor",
         kPage,
         WS_POPUP,
         0,
         {Push(IDC_MON_TODAY, "&Today", {37, 124, 48, 14}),
          Push(IDC_MON_HALFYEAR, "Half-&Year Calendar...", {89, 124, 86, 14})}},
        {IDD_OPTIONS,
         204,
         149,
         "Options",
         kPage,
         WS_POPUP,
         0,
         {Push(IDC_OPT_AUTOLOAD, "Autoload with &Windows", {12, 12, 184, 10}, kCheck),
          Push(IDC_OPT_CRITRED, "&During critical period quick launch icon pink", {12, 28, 184, 10},
               kCheck),
          Text(IDC_OPT_LANG_HEADING, "Language:", {12, 56, 188, 12}),
          Text(IDC_OPT_LANG_LABEL, "Cu&rrent language file:", {12, 72, 72, 12}),
          Other(IDC_OPT_LANGUAGE, "ComboBox", {84, 72, 84, 136}, combo),
          Text(IDC_OPT_TRANSLATOR_LABEL, "Translated by:", {12, 88, 72, 12}),
          Other(IDC_OPT_TRANSLATOR, "Edit", {84, 88, 116, 12}, kReadOnly),
          Text(IDC_OPT_CONTACT_LABEL, "Contact:", {12, 104, 72, 12}),
          Other(IDC_OPT_CONTACT, "Edit", {84, 104, 116, 12}, kReadOnly),
          Text(IDC_OPT_DATE_LABEL, "Date of translation:", {12, 120, 72, 12}),
          Other(IDC_OPT_DATE, "Edit", {84, 120, 84, 12}, kReadOnly)}},
        {IDD_HALFYEAR,
         438,
         238,
         "Half-Year Calendar",
         kPopup | WS_SYSMENU,
         WS_CHILD,
         0,
         {Push(IDC_HALF_PREVIOUS, "<< &Previous", {143, 214, 48, 14}),
          Push(IDC_HALF_TODAY, "&Today", {195, 214, 48, 14}),
          Push(IDC_HALF_NEXT, "&Next >>", {247, 214, 48, 14}, BS_DEFPUSHBUTTON),
          Push(IDC_HALF_CLOSE, "Close", {327, 214, 48, 14}),
          Push(IDC_HALF_HELP, "Help", {379, 214, 48, 14})}},
        {IDD_ABOUT,
         204,
         164,
         "About",
         kPage,
         WS_POPUP,
         0,
         {ControlSpec{IDC_ABOUT_ICON, "Static", nullptr, IDI_VELINDRA, {91, 12, 20, 20}, SS_ICON},
          Text(IDC_ABOUT_PRODUCT, "_", {12, 38, 180, 8}, SS_CENTER),
          Text(IDC_ABOUT_NOTICE, "_", {12, 50, 180, 8}, SS_CENTER),
          Text(IDC_ABOUT_RIGHTS, "All Rights Reserved.", {12, 62, 180, 8}, SS_CENTER | SS_NOTIFY),
          Text(IDC_ABOUT_WEB, "_", {28, 74, 148, 8}, SS_CENTER | SS_NOTIFY | WS_TABSTOP),
          Text(IDC_ABOUT_MAIL, "_", {28, 86, 148, 8}, SS_CENTER | SS_NOTIFY | WS_TABSTOP),
          Push(IDC_ABOUT_DOWNLOAD, "&Download other our Product...", {34, 100, 136, 14}),
          Picture(IDC_ABOUT_BANNER, IDB_BANNER, {34, 115, 136, 41}, SS_NOTIFY)}},
        {IDD_QUICKLAUNCH_HELP,
         184,
         237,
         "Help",
         kPopup | WS_SYSMENU,
         WS_CHILD,
         0,
         {Picture(IDC_STATIC, IDB_QUICKLAUNCH, {12, 7, 160, 148}, SS_SUNKEN),
          Text(IDC_QLH_TEXT, quickText, {12, 160, 160, 40}),
          Push(IDC_QLH_OK, "OK", {124, 216, 48, 14}, BS_DEFPUSHBUTTON),
          Push(IDC_QLH_HIDE_MESSAGE, "Do not show this window at next time", {12, 203, 160, 10},
               kCheck)}},
        {IDD_WIZARD_STEP1,
         284,
         146,
         "Wizard, Step 1/3",
         kPage,
         WS_POPUP,
         0,
         {Text(IDC_WIZ1_PROMPT, wiz1Text, {96, 24, 172, 28}),
          Other(IDC_WIZ1_DATE, picker, {112, 56, 136, 12}, kPicker),
          Push(IDC_WIZ1_TODAY, "Today", {112, 72, 48, 14}),
          Picture(IDC_WIZ_PICTURE, IDB_WIZARD, {1, 1, 67, 145})}},
        {IDD_WIZARD_STEP2,
         284,
         146,
         "Wizard, Step 2/3",
         kPage,
         WS_POPUP,
         0,
         {Icon(IDI_CRIT_PERIOD, 135, 49), Text(IDC_WIZ2_PROMPT, wiz2Text, {96, 24, 168, 24}),
          Other(IDC_WIZ2_EDIT, "Edit", {163, 56, 16, 12}, kCount),
          Other(IDC_WIZ2_SPIN, updown, {179, 56, 11, 12}, kSpin),
          Text(IDC_WIZ2_UNIT, "Days", {195, 56, 28, 12}),
          Picture(IDC_WIZ_PICTURE, IDB_WIZARD, {1, 1, 67, 145})}},
        {IDD_WIZARD_STEP3,
         284,
         146,
         "Wizard, Step 3/3",
         kPage,
         WS_POPUP,
         0,
         {Icon(IDI_CLEAR_PERIOD, 135, 49), Text(IDC_WIZ3_PROMPT, wiz3Text, {96, 24, 168, 24}),
          Other(IDC_WIZ3_EDIT, "Edit", {163, 56, 16, 12}, kCount),
          Other(IDC_WIZ3_SPIN, updown, {179, 56, 11, 12}, kSpin),
          Text(IDC_WIZ3_UNIT, "Days", {195, 56, 32, 12}),
          Picture(IDC_WIZ_PICTURE, IDB_WIZARD, {1, 1, 67, 145})}},
        {IDD_FIRST_LAUNCH,
         192,
         101,
         "First Launch of Velindra",
         kPopup,
         WS_SYSMENU | WS_CHILD,
         0,
         {Text(IDC_FIRST_TEXT, firstText, {40, 8, 144, 32}),
          Push(IDC_FIRST_LAUNCH_WIZARD, "Launch Wizard", {40, 44, 140, 10},
               BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP),
          Push(IDC_FIRST_NO_THANKS, "No, Thank You", {40, 58, 140, 10}, BS_AUTORADIOBUTTON),
          Push(IDC_FIRST_OK, "OK", {136, 80, 48, 14}, BS_DEFPUSHBUTTON),
          {IDC_FIRST_ICON, "Static", "", 0, {10, 10, 20, 20}, SS_ICON}}},
    };
}

} // namespace

const std::vector<TemplateSpec>& Templates()
{
    static const std::vector<TemplateSpec> table = Build();
    return table;
}

} // namespace restest
