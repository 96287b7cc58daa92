// Resource, control and command ids of Velindra, grouped by window.
// These numbers are also the keys of the language files: never renumber them.
#pragma once

// ---------------------------------------------------------------- Any window
#ifndef IDC_STATIC
#define IDC_STATIC (-1) // statics without an id: never translated
#endif

// ---------------------------------------------------------------- Icons
#define IDI_VELINDRA 128      // the program's icon (black, white and grey)
#define IDI_VELINDRA_PINK 144 // the same, pink: today is a critical day
#define IDI_CRIT_PERIOD 139   // a drop: beside the length of a critical period
#define IDI_CLEAR_PERIOD 140  // a calendar span: beside the days between periods

// ---------------------------------------------------------------- Bitmaps
#define IDB_NAVIGATION 133  // 128 x 32: four 32 x 32 navigation pictures on silver
#define IDB_MENU_ICONS 135  // 16 x 16: the "Open..." picture of the tray menu, on silver
#define IDB_STRIPE 138      // 76 x 286: the main window's left stripe (tinted at run time)
#define IDB_QUICKLAUNCH 142 // 240 x 240: where the notification icon is
#define IDB_BANNER 145      // 204 x 67: the About page's banner
#define IDB_WIZARD 147      // 100 x 232: the wizard's side picture (tinted at run time)

// ---------------------------------------------------------------- Menu 134
#define IDR_TRAY_MENU 134
#define ID_MENU_OPEN 32771
#define ID_MENU_HALFYEAR 32772
#define ID_MENU_SCHEDULER 32773
#define ID_MENU_OPTIONS 32774
#define ID_MENU_WEBSITE 32775
#define ID_MENU_ABOUT 32776
#define ID_MENU_EXIT 32777
#define ID_MENU_STARTED_TODAY 32778 // "My period started today"
#define ID_MENU_EXPORT 32779        // "Export to calendar..."

// ---------------------------------------------------------------- Main window (102)
#define IDD_MAIN 102
// The main window's class: how a second start and the installer find the
// running program (its caption is translated).
#define VELINDRA_MAIN_WINDOW_CLASS "VelindraMainWindow"
#define IDC_MAIN_STRIPE 1031
#define IDC_MAIN_NAVIGATION 1023
#define IDC_MAIN_WIZARD 4
#define IDC_MAIN_HIDE 1030
#define IDC_MAIN_EXIT 3
#define IDC_MAIN_HELP 2 // the cancel id: Escape asks for help

// ---------------------------------------------------------------- Scheduler page (103)
#define IDD_SCHEDULER 103
#define IDC_SCHED_DATE_LABEL 1049
#define IDC_SCHED_DATE 1000
#define IDC_SCHED_TODAY 1025
#define IDC_SCHED_CRIT_LABEL 1050
#define IDC_SCHED_CRIT_EDIT 1029
#define IDC_SCHED_CRIT_SPIN 1038
#define IDC_SCHED_CRIT_UNIT 1052
#define IDC_SCHED_CLEAR_LABEL 1051
#define IDC_SCHED_CLEAR_EDIT 1030
#define IDC_SCHED_CLEAR_SPIN 1039
#define IDC_SCHED_CLEAR_UNIT 1053
#define IDC_SCHED_CYCLE_HINT 1219 // "(a cycle of 33 days)": set by the program

// ---------------------------------------------------------------- Monitor page (105)
#define IDD_MONITOR 105
#define IDC_MON_TODAY 1025
#define IDC_MON_HALFYEAR 1024
#define IDC_MON_CALENDAR 1110 // created at run time
#define IDC_MON_STATUS 1214   // where today stands: set by the program
#define IDC_MON_STARTED 1240  // "My period started today"
#define IDC_MON_HISTORY 1241
#define IDC_MON_EXPORT 1242
#define IDC_MON_SUGGESTION 1243 // the suggested cycle: set by the program, shown while there is one
#define IDC_MON_USE 1244
#define IDC_MON_DISMISS 1245

// ---------------------------------------------------------------- Options page (106)
#define IDD_OPTIONS 106
#define IDC_OPT_AUTOLOAD 1005
#define IDC_OPT_CRITRED 1014
#define IDC_OPT_REMIND 1215
#define IDC_OPT_REMIND_EDIT 1216
#define IDC_OPT_REMIND_SPIN 1217
#define IDC_OPT_REMIND_UNIT 1218
#define IDC_OPT_AUTOLOAD_NOTE 1230  // shown while the reminder is on and autoload off
#define IDC_OPT_AUTOLOAD_OFFER 1231 // ... with the button that switches autoload on
#define IDC_OPT_LANG_HEADING 1210
#define IDC_OPT_LANG_LABEL 1211
#define IDC_OPT_LANGUAGE 1043
#define IDC_OPT_TRANSLATOR_LABEL 1212
#define IDC_OPT_TRANSLATOR 1036
#define IDC_OPT_CONTACT_LABEL 1213
#define IDC_OPT_CONTACT 1037
#define IDC_OPT_DATE_LABEL 1160
#define IDC_OPT_DATE 1038

// ---------------------------------------------------------------- Half-year calendar (131)
#define IDD_HALFYEAR 131
#define IDC_HALF_PREVIOUS 1005
#define IDC_HALF_TODAY 1025
#define IDC_HALF_NEXT 1006
#define IDC_HALF_CLOSE 1        // IDOK
#define IDC_HALF_HELP 2         // the cancel id: Escape asks for help
#define IDC_HALF_CALENDAR0 1111 // 1111 to 1116, created at run time

// ---------------------------------------------------------------- About page (132)
#define IDD_ABOUT 132
#define IDC_ABOUT_PRODUCT 1032
#define IDC_ABOUT_NOTICE 1033
#define IDC_ABOUT_WEB 1034
#define IDC_ABOUT_MAIL 1035
#define IDC_ABOUT_DOWNLOAD 1002
#define IDC_ABOUT_BANNER 1040
#define IDC_ABOUT_ICON 1039 // a picture: never translated
#define IDC_ABOUT_RIGHTS 1050

// ---------------------------------------------------------------- Quick-launch help (143)
#define IDD_QUICKLAUNCH_HELP 143
#define IDC_QLH_TEXT 1041
#define IDC_QLH_OVERFLOW 1054 // Windows 10 and 11: the icon behind the ^ button
#define IDC_QLH_OK 2
#define IDC_QLH_HIDE_MESSAGE 1037

// ---------------------------------------------------------------- Wizard (146, 147, 148)
#define IDD_WIZARD_STEP1 146
#define IDD_WIZARD_STEP2 147
#define IDD_WIZARD_STEP3 148
#define IDC_WIZ_PICTURE 1031
#define IDC_WIZ1_PROMPT 1042
#define IDC_WIZ1_DATE 1000
#define IDC_WIZ1_TODAY 1025
#define IDC_WIZ2_PROMPT 1043
#define IDC_WIZ2_EDIT 1029
#define IDC_WIZ2_SPIN 1038
#define IDC_WIZ2_UNIT 1052
#define IDC_WIZ3_PROMPT 1044
#define IDC_WIZ3_EDIT 1030
#define IDC_WIZ3_SPIN 1039
#define IDC_WIZ3_UNIT 1053
#define IDC_WIZ3_CYCLE_HINT 1220 // set by the program

// ---------------------------------------------------------------- First launch (149)
#define IDD_FIRST_LAUNCH 149
#define IDC_FIRST_TEXT 1047
#define IDC_FIRST_LAUNCH_WIZARD 1045
#define IDC_FIRST_NO_THANKS 1046
#define IDC_FIRST_OK 2
#define IDC_FIRST_ICON 1048

// ---------------------------------------------------------------- History (150)
#define IDD_HISTORY 150
#define IDC_HIST_LIST 1250 // first day, period length, cycle; rows set by the program
#define IDC_HIST_REMOVE 1251
#define IDC_HIST_CLOSE 2 // the cancel id: Escape closes

// ---------------------------------------------------------------- Month calendar buttons
#define IDC_CAL_PREV_MONTH 1112
#define IDC_CAL_NEXT_MONTH 1114

// ---------------------------------------------------------------- Private messages
#define WM_CALENDAR_MARKDAYS 0x0FB8 // WM_USER + 3000: a calendar asks for marks (its request)
#define WM_TRAYNOTIFY 0x0805        // WM_USER + 0x405: notification icon callback
