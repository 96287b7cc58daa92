#include "lang/LanguageOwner.h"

#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "lang/LanguageManager.h"
#include "lang/ProgramTexts.h"

LanguageManager* AppLanguageManager()
{
    auto* owner = dynamic_cast<LanguageOwner*>(AfxGetMainWnd());
    return owner ? owner->GetLanguageManager() : nullptr;
}

CString AppText(TextId id, const CStringArray& arguments)
{
    const LanguageManager* manager = AppLanguageManager();
    const CString pattern =
        manager ? manager->Text(id)
                : CString(ProgramTextOf(id).english ? ProgramTextOf(id).english : "");
    return FormatText(pattern, arguments);
}

CString AppCountedText(TextId id, long long count, const CStringArray& arguments)
{
    if (const LanguageManager* manager = AppLanguageManager())
        return FormatText(manager->Text(id, count), arguments);
    const ProgramText text = ProgramTextOf(id);
    return FormatText(
        LanguageManager::BuiltInForm(text.english ? text.english : "", text.englishOne, count),
        arguments);
}
