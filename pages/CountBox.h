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

// The unit beside a count box ("Days", "Day"; "days before critical days")
// in the form the language gives the number in the box, as the cycle hint
// follows it. Its key is the label's "ID_<id>" in the section its page is
// translated under, with the forms "ID_<id>.one", ... (LanguageManager).
class CountLabel {
public:
    // builtInOne: the English form for one (the template's text serves the
    // other counts).
    CountLabel(const LanguageManager& texts, int labelId, const char* builtInOne)
        : texts_(texts), labelId_(labelId), builtInOne_(builtInOne)
    {
    }

    // Takes the page's label and its template text: before the page is first
    // translated (in OnInitDialog).
    void Attach(HWND page);
    // The page was translated (LanguageManager::TranslatedMessage) under the
    // section: Show words the label in the language now in force.
    void Translated(const CString& section) { section_ = section; }
    // Shows the form for the count once the page has been translated.
    void Show(int count);

private:
    const LanguageManager& texts_;
    int labelId_;
    const char* builtInOne_;
    HWND label_ = nullptr;
    CString builtIn_;
    CString section_; // empty until the page is translated
};

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
