#pragma once
// The count boxes of the Scheduler page, the wizard and the Options page: an
// edit with an up-down control that takes the numbers of one range. A box
// left with a number it cannot use does not keep it silently: it shows the
// number in use, and a balloon tip on it says why.
#include <windows.h>

#include "framework/Controls.h"
#include "framework/Strings.h"
#include "lang/LanguageManager.h"
#include "model/CycleCountRule.h"

// The number the box stands for: its own when the rule's range holds it, the
// rule's fallback otherwise (what the page stores).
int CountInUse(const CSpinButtonCtrl& spin, const CycleCountRule& rule);

// "(a cycle of 33 days)": the whole cycle the two counts give.
CString CycleHint(const LanguageManager& texts, int critDays, int clearDays);

// An up-down control's UDN_DELTAPOS (an arrow stepped the number): once the
// new number is in the box that has the focus, it is selected, to be typed
// over, with the caret after it (a caret before it is drawn over its first
// digit).
void SelectSteppedNumber(const NMHDR* header);
