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

// The main window's LanguageManager, or null.
LanguageManager* AppLanguageManager();
