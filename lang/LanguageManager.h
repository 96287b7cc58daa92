#pragma once
// The program's one translation engine. It knows the current language and
// answers, from that language's file, which text belongs to an item of a
// section; whenever asked to export, it first writes the text shown into
// english.lng, which thus always holds the program's built-in texts. No other
// language file is ever written.
//
// Sections and keys:
//   "Translator"                  ID_0 name, ID_1 contact, ID_2 date
//   "DialogID_<dialog id>"        ID_0 caption, ID_<control id> buttons/statics
//   "<section> - PageNo_<index>"  a property page of a sheet in <section>
//   "<section> - ListCtrlID_<id>" ID_<row>, ID_<1000 + column> header texts
//   "<section> - ComboBoxID_<id>" ID_<item index>
//   "<section> - ListBoxID_<id>"  ID_<item index>
//   "MenuID_<menu id>"            ID_<command id>, SubID_<first command of submenu>
//   "Common"                      any section given as empty
#include <windows.h>

#include "framework/Strings.h"

class CWnd;
class CMenu;

class LanguageManager {
public:
    LanguageManager() = default;
    virtual ~LanguageManager() = default;
    LanguageManager(const LanguageManager&) = delete;
    LanguageManager& operator=(const LanguageManager&) = delete;

    // ---- Language and lookup (LanguageManager.cpp) ----

    // Makes the named language current (blanks around the name dropped). False,
    // with nothing changed or written, when it names the current language in
    // any case. Otherwise rewrites the "Translator" section of english.lng.
    bool SetLanguage(const CString& name);
    const CString& GetLanguage() const { return language_; }
    bool HasLanguage() const { return !language_.empty(); }

    // The key's value in the current language's file; empty when there is no
    // current language, the key is empty, or the value is missing or empty.
    CString ReadString(const CString& section, const CString& key) const;
    // Writes into english.lng whatever the current language; false when there
    // is no current language, the key is empty, or the write fails.
    bool WriteString(const CString& section, const CString& key, const CString& value) const;
    // ReadString of "ID_<n>", or the default when that is empty.
    CString LookupText(const CString& section, int n, const CString& defaultText) const;
    // WriteString of "ID_<n>".
    bool StoreText(const CString& section, int n, const CString& text) const;
    // 0 translator, 1 contact, 2 date: writes the built-in value into
    // english.lng and answers the current language's value. Empty otherwise.
    CString GetTranslatorInfo(int index) const;

    // ---- Menus (MenuTranslation.cpp) ----

    // Translates the menu and its submenus under "MenuID_<menuId>"; with
    // exportTexts, first writes each built-in text into english.lng. Items
    // carrying item data (taken over by the icon menu) are left alone.
    bool TranslateMenu(bool exportTexts, HMENU menu, int menuId) const;
    bool TranslateMenu(bool exportTexts, CMenu* menu, int menuId) const;
    // True when the item at the position exists and carries no item data.
    static bool HasNoItemData(HMENU menu, int position);

private:
    CString language_;
};
