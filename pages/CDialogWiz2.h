#pragma once
// The wizard's step 2: the length of a critical period.
#include "pages/CWizardCountPage.h"

class CDialogWiz2 : public CWizardCountPage {
public:
    explicit CDialogWiz2(const LanguageManager& texts);
};
