#pragma once
// Reads a DIALOGEX template of the program's resources into plain values, so
// tests can compare it with what the windows are meant to be.
#include <windows.h>

#include <string>
#include <vector>

namespace restest {

struct TemplateItem {
    int id = 0;
    std::string className; // predefined classes by name: "Button", "Static", ...
    std::string text;      // empty when the text is a resource number
    int resource = 0;      // the resource number of a picture or icon, else 0
    int x = 0, y = 0, cx = 0, cy = 0;
    DWORD style = 0, exStyle = 0;
};

struct TemplateInfo {
    bool extended = false;
    DWORD style = 0, exStyle = 0;
    int cx = 0, cy = 0;
    std::string caption;
    int fontSize = 0;
    std::string fontName;
    std::vector<TemplateItem> items;
};

// False when the template is missing, not a DIALOGEX or cut short.
bool ReadTemplate(int id, TemplateInfo& out);

} // namespace restest
