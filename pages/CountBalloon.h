#pragma once
#include <windows.h>

#include "framework/Controls.h"
#include "framework/Strings.h"
#include "lang/LanguageManager.h"
#include "model/CycleCountRule.h"

// The balloon tip of a page's count boxes. The edit control's own
// (EM_SHOWBALLOONTIP) where it has one; otherwise a balloon tool tip of the
// page's, under the box, until the next change of a box, Hide, or ten seconds.
class CountBalloon {
public:
    explicit CountBalloon(const LanguageManager& texts) : texts_(texts) {}
    ~CountBalloon();
    CountBalloon(const CountBalloon&) = delete;
    CountBalloon& operator=(const CountBalloon&) = delete;

    // When the box holds a number it cannot use: shows the number in use
    // (the box reports the change) and the balloon tip; true then.
    bool Correct(CSpinButtonCtrl& spin, CEdit& edit, const CycleCountRule& rule);
    void Hide();

private:
    void Show(HWND edit, const CString& title, const CString& text);

    const LanguageManager& texts_;
    HWND tip_ = nullptr; // the page's own balloon, made when first needed
};
