#pragma once
// The program has one LanguageManager, owned by its main window. Windows
// reach it through the application's main window, which implements this
// interface; without such a main window nothing is translated.
#include "framework/Strings.h"

class LanguageManager;
enum class TextId;

class LanguageOwner {
public:
    virtual LanguageManager* GetLanguageManager() = 0;

protected:
    ~LanguageOwner() = default;
};

#include "framework/Strings.h"
#include "lang/ProgramTexts.h"

// The main window's LanguageManager, or null.
LanguageManager* AppLanguageManager();

// One of the program's own texts (lang/ProgramTexts.h) in the current
// language, its places filled with the arguments; the built-in English
// without a main window.
CString AppText(TextId id, const CStringArray& arguments = CStringArray());
// The same in the form for the count (LanguageManager::Text).
CString AppCountedText(TextId id, long long count, const CStringArray& arguments);
