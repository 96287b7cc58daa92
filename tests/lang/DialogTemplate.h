#pragma once
// Dialog templates built in memory, so that the translation tests have
// dialogs and pages of their own, independent of the program's resources.
#include <windows.h>

#include <string>
#include <vector>

class DialogTemplate {
public:
    DialogTemplate(const std::string& caption, DWORD style, short cx = 200, short cy = 150);

    // Predefined classes by atom: 0x80 button, 0x81 edit, 0x82 static,
    // 0x83 list box, 0x85 combo box.
    DialogTemplate& Add(WORD classAtom, WORD id, const std::string& text, DWORD style, short x,
                        short y, short cx, short cy);
    // Any other class by name ("SysListView32").
    DialogTemplate& Add(const std::string& className, WORD id, const std::string& text, DWORD style,
                        short x, short y, short cx, short cy);

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

    static const WORD kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kListBox = 0x83,
                      kComboBox = 0x85;

private:
    void Text(const std::string& text);
    void AlignToDword();
    void BeginItem(WORD id, DWORD style, short x, short y, short cx, short cy);

    std::vector<WORD> words_;
};
