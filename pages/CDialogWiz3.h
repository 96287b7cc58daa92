#pragma once
// The wizard's step 3: the days between two periods, with the cycle they
// give with step 2's count.
#include "pages/CWizardCountPage.h"

class CDialogWiz3 : public CWizardCountPage {
public:
    explicit CDialogWiz3(const LanguageManager& texts);
};
