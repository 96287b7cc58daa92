#pragma once
// What the bench driver knows of the bare program: its ids are Velindra's
// where the bare program has the same thing.
#include <windows.h>

constexpr char kBareHiddenArgument[] = "/hidden"; // start hidden, like Visibled = 0
constexpr int kBareMonthId = 1110;                // the one month child (Velindra's calendar id)
constexpr int kBareHalfYearCommand = 32772;       // opens the six-month dialog (ID_MENU_HALFYEAR)
constexpr int kBareHalfYearFirstMonth = 1111;     // its months are 1111 to 1116 (as Velindra's)
constexpr UINT kBareTrayMessage = 0x0805;         // the notification icon's callback
