#pragma once
// The program's one translation engine. It knows the current language and
// answers, from that language's file, which text belongs to an item of a
// section; whenever asked to export, it first writes the text shown into
// english.lng, which thus always holds the program's built-in texts. No other
// language file is ever written.
//
// Language names are UTF-8 (any characters a file name may hold); sections,
// keys and texts are ANSI, as the windows show them. Each file is read once
// and answered from memory until it changes on disk or the language changes;
// english.lng is written once at the end of each public operation (a whole
// translation pass), and only when a text in it differs from the one shown.
//
// Sections and keys:
//   "Translator"                  ID_0 name, ID_1 contact, ID_2 date, Locale the
//                                 locale of its dates and plural forms ("de-DE"),
//                                 Name the language's own name ("Deutsch")
//   "DialogID_<dialog id>"        ID_0 caption, ID_<control id> buttons/statics
//   "<section> - PageNo_<index>"  a property page of a sheet in <section>
//   "<section> - ListCtrlID_<id>" ID_<row>, ID_<1000 + column> header texts
//   "<section> - ComboBoxID_<id>" ID_<item index>
//   "<section> - ListBoxID_<id>"  ID_<item index>
//   "MenuID_<menu id>"            ID_<command id>, SubID_<first command of submenu>
//   "Texts"                       the program's own texts by name (lang/ProgramTexts.h)
//   "Common"                      any section given as empty
//
// A text that holds a count (the program's own, or a dialog's unit beside a
// count box) may have one form for each plural category of the language
// (lang/PluralRule.h), as "<key>.one", "<key>.few", ... in the section of
// "<key>". The form for a count n: "<key>.<category of n>" of the current
// language's file (its rule from its Locale); else "<key>" there; else
// english.lng's "<key>.<English category of n>"; else its "<key>"; else the
// built-in English form.
#include <windows.h>

#include <string>
#include <utility>

#include "framework/Strings.h"
#include "lang/LanguageFile.h"
#include "lang/PluralRule.h"

enum class TextId;
class CWnd;
class CMenu;
class CPropertySheet;
struct StringListMessages;

class LanguageManager {
public:
    // The texts of the program whose executable's full path is `programFile`:
    // its language files lie beside it.
    explicit LanguageManager(std::wstring programFile) : programFile_(std::move(programFile)) {}
    virtual ~LanguageManager() = default;
    LanguageManager(const LanguageManager&) = delete;
    LanguageManager& operator=(const LanguageManager&) = delete;

    // ---- Language and lookup (LanguageManager.cpp) ----

    // Makes the named language current (blanks around the name dropped; a
    // name that is not a plain file name, lang/LanguageName.h, counts as
    // "english"). False, with nothing changed or written, when it names the
    // current language in any case. Otherwise rewrites the "Translator"
    // section of english.lng.
    bool SetLanguage(const CString& name);
    const CString& GetLanguage() const { return language_; }
    const std::wstring& ProgramFile() const { return programFile_; }
    bool HasLanguage() const { return !language_.empty(); }

    // The key's value in the current language's file; empty when there is no
    // current language, the key is empty, or the value is missing or empty.
    CString ReadString(const CString& section, const CString& key) const;
    // Writes into english.lng whatever the current language; false when there
    // is no current language, the key is empty, or the write fails.
    bool WriteString(const CString& section, const CString& key, const CString& value) const;
    // ReadString of "ID_<n>"; for another language than english, when its
    // file lacks the text, english.lng's; the default when both are empty.
    CString LookupText(const CString& section, int n, const CString& defaultText) const;
    // WriteString of "ID_<n>".
    bool StoreText(const CString& section, int n, const CString& text) const;
    // 0 translator, 1 contact, 2 date: writes the built-in value into
    // english.lng and answers the current language's value. Empty otherwise.
    CString GetTranslatorInfo(int index) const;
    // The locale the language names for its dates ("de-DE"): english.lng gets
    // the built-in one; empty when the language's file names none (dates then
    // take the user's locale). SetLanguage makes it the program's date locale
    // (framework/DateFormat.h).
    CString GetLocaleName() const;
    // One of the program's own texts in the current language: written into
    // english.lng as built in, read from the current language's file, the
    // built-in English when that lacks it (or no language is current).
    CString Text(TextId id) const;
    // The same in the form for the count (see above); the built-in forms are
    // written into english.lng.
    CString Text(TextId id, long long count) const;
    // Text(id) and Text(id, count) with their places filled (FormatText).
    CString Format(TextId id, const CStringArray& arguments = CStringArray()) const;
    CString Format(TextId id, long long count, const CStringArray& arguments) const;
    // The key's text in the form for the count (see above), for a text of a
    // window; builtIn and builtInOne (null when English has no form of its
    // own for one) are written into english.lng.
    CString CountedText(const CString& section, const CString& key, long long count,
                        const CString& builtIn, const char* builtInOne) const;
    // The built-in English form for the count: builtInOne for one (when
    // there is one), builtIn otherwise.
    static CString BuiltInForm(const CString& builtIn, const char* builtInOne, long long count);

    // ---- Windows (WindowTranslation.cpp, ListTranslation.cpp) ----

    // Translates the window (a dialog or a property page) and its buttons,
    // statics, list views, combo boxes and list boxes, and descends into child
    // property sheets page by page. A top-level call passes an empty section,
    // which is set to "DialogID_<dialogId>"; a page gets "<section> -
    // PageNo_<pageIndex>" and leaves the given section as it is. With
    // ownCaption the caption is translated too (a page's on its sheet's tab).
    //
    // exportTexts first writes every text shown into english.lng. That file
    // must only ever receive built-in texts, so the export happens on a
    // window's first translation only: every pass marks the window (and each
    // page it descends into) as translated, and a later pass over a marked
    // window never exports, whatever exportTexts says. A wizard page may thus
    // ask for the export each time it becomes active. False when the window
    // is null or destroyed, the dialog id is 0, or no language is current.
    bool TranslateDialog(bool exportTexts, bool ownCaption, CWnd* window, int dialogId,
                         int pageIndex, CString& section) const;
    bool TranslateDialog(bool exportTexts, bool ownCaption, HWND window, int dialogId,
                         int pageIndex, CString& section) const;
    // Translates one page of a sheet in a dialog as the pass over that dialog
    // does (section "<dialog's section> - PageNo_<pageIndex>"): for a page
    // whose window is created after the dialog's own translation.
    bool TranslatePage(bool exportTexts, HWND page, int dialogId, int pageIndex) const;
    // True once the window has been through TranslateDialog.
    static bool WasTranslated(HWND window);
    // Sent (SendMessage) to each window at the end of its TranslateDialog:
    // lParam points to its section (a const CString), valid during the call.
    // A window that words a text itself (a unit in the form of a count)
    // words it again then, in the language now in force.
    static UINT TranslatedMessage();

    // Sets the control's text from "ID_<controlId>" of the section; true when a
    // non-empty translation was found.
    bool TranslateWindowText(const CString& section, int controlId, HWND control) const;
    // Writes the control's text as "ID_<controlId>" of the section into english.lng.
    bool ExportWindowText(const CString& section, int controlId, HWND control) const;
    // Rows (ID_<row>) and column headers (ID_<1000 + column>) under
    // "<section> - ListCtrlID_<controlId>"; false when the list view has no columns.
    bool TranslateListCtrl(bool exportTexts, const CString& section, int controlId,
                           HWND listView) const;
    // Items (ID_<index>) under "<section> - ComboBoxID_<controlId>", keeping
    // their positions and the selected index; false when there are no items.
    bool TranslateComboBox(bool exportTexts, const CString& section, int controlId,
                           HWND comboBox) const;
    // The same under "<section> - ListBoxID_<controlId>".
    bool TranslateListBox(bool exportTexts, const CString& section, int controlId,
                          HWND listBox) const;

    // False for controls without an id (-1, 65535), excluded controls, statics
    // showing a picture (their text is a resource reference) and, for
    // other kinds than list views, combo and list boxes, for texts with nothing
    // to translate.
    static bool IsTranslatable(HWND control);
    static bool IsTranslatable(CWnd* control);
    // Marks a control whose text the program sets itself (window user data 1):
    // no translation pass reads or writes it again.
    static void ExcludeFromTranslation(HWND control);
    static void ExcludeFromTranslation(CWnd* control);

    // ---- Menus (MenuTranslation.cpp) ----

    // Translates the menu and its submenus under "MenuID_<menuId>"; with
    // exportTexts, first writes each built-in text into english.lng. Items
    // carrying item data (taken over by the icon menu) are left alone.
    bool TranslateMenu(bool exportTexts, HMENU menu, int menuId) const;
    bool TranslateMenu(bool exportTexts, CMenu* menu, int menuId) const;
    // True when the item at the position exists and carries no item data.
    static bool HasNoItemData(HMENU menu, int position);

private:
    // Every public operation runs as a pass or as part of one: the outermost
    // pass looks at the files once and writes english.lng once, at its end.
    class Pass {
    public:
        explicit Pass(const LanguageManager& manager);
        ~Pass();
        Pass(const Pass&) = delete;
        Pass& operator=(const Pass&) = delete;
        // Ends an outermost pass at once: whether english.lng was written
        // (true when nothing had to be, and within an inner pass).
        bool Finish();

    private:
        const LanguageManager& manager_;
        bool finished_;
    };

    bool IsEnglish() const;
    LanguageFile& CurrentFile() const;
    // The current language's rule of plural forms, from its locale (the
    // user's when its file names none).
    PluralRule CurrentPluralRule() const;

    void TranslateCaption(bool exportTexts, HWND window, int pageIndex,
                          const CString& section) const;
    void TranslateChild(bool exportTexts, HWND child, int dialogId, const CString& section) const;
    void TranslateSheet(bool exportTexts, CPropertySheet* sheet, int dialogId,
                        const CString& section) const;
    bool TranslateStringList(bool exportTexts, const CString& section, int controlId, HWND control,
                             const StringListMessages& kind) const;
    void TranslateHeaderItem(bool exportTexts, const CString& itemSection, HWND header,
                             int column) const;

    std::wstring programFile_;
    CString language_;
    mutable LanguageFile english_; // english.lng, also read while english is current
    mutable LanguageFile other_;   // the current language's file otherwise
    mutable int passDepth_ = 0;
};
