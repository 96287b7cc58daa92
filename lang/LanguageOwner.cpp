#include "lang/LanguageOwner.h"

#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "lang/LanguageManager.h"

LanguageManager* AppLanguageManager()
{
    auto* owner = dynamic_cast<LanguageOwner*>(AfxGetMainWnd());
    return owner ? owner->GetLanguageManager() : nullptr;
}

CString ShownText(TextId id)
{
    if (LanguageManager* language = AppLanguageManager())
        return language->Text(id);
    const char* english = ProgramTextOf(id).english;
    return english ? english : CString();
}
