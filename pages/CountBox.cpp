#include "pages/CountBox.h"

#include <commctrl.h>

#include <string>

#include "lang/LanguageManager.h"
#include "lang/ProgramTexts.h"

int CountInUse(const CSpinButtonCtrl& spin, const CycleCountRule& rule)
{
    return UsableCount(spin.IsWindow() ? static_cast<int>(spin.GetPos()) : 0, rule);
}

CString CycleHint(const LanguageManager& texts, int critDays, int clearDays)
{
    const int cycle = critDays + clearDays;
    return texts.Format(TextId::CycleHint, cycle, {std::to_string(cycle)});
}

void SelectSteppedNumber(const NMHDR* header)
{
    HWND box = header ? reinterpret_cast<HWND>(::SendMessageW(header->hwndFrom, UDM_GETBUDDY, 0, 0))
                      : nullptr;
    // Posted: the up-down control writes the number after this notification.
    if (box && ::GetFocus() == box)
        ::PostMessageW(box, EM_SETSEL, 0, -1);
}
