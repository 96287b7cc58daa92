#pragma once
// What every dialog template of the resources must hold: its size, caption
// and frame, and each control with id, class, text, place and key styles.
#include <windows.h>

#include <vector>

namespace restest {

struct Dlu {
    int x, y, cx, cy;
};

struct ControlSpec {
    int id;
    const char* className;
    const char* text; // null: a control whose text the template leaves empty
    int resource;     // the picture or icon a static shows, else 0
    Dlu dlu;
    DWORD styles; // bits that must be set (for buttons and statics the type exactly)
};

struct TemplateSpec {
    int id;
    int width, height; // dialog units
    const char* caption;
    DWORD styles;   // bits that must be set
    DWORD noStyles; // bits that must be clear
    DWORD exStyles; // extended bits that must be set
    std::vector<ControlSpec> controls;
};

const std::vector<TemplateSpec>& Templates();

} // namespace restest
