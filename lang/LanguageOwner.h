#pragma once
// The program has one LanguageManager, owned by its main window. Windows
// reach it through the application's main window, which implements this
// interface; without such a main window nothing is translated.
class LanguageManager;

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

// One of the program's own texts in the language shown; the built-in
// English when there is no main window with a language.
CString ShownText(TextId id);
