#include "lang/LanguageOwner.h"

#include "framework/WinApp.h"
#include "framework/Wnd.h"

LanguageManager* AppLanguageManager()
{
    auto* owner = dynamic_cast<LanguageOwner*>(AfxGetMainWnd());
    return owner ? owner->GetLanguageManager() : nullptr;
}
