#pragma once
#include <windows.h>

#include "framework/Strings.h"
#include "lang/LanguageManager.h"

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
