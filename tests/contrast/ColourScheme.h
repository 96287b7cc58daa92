#pragma once
// The session's colours set by a test (SetSysColors) and put back, with the
// program's one question whether high contrast is on answered to match:
// Wine 8 has no high contrast to turn on.
#include <windows.h>

#include <utility>
#include <vector>

#include "ui/HighContrast.h"

namespace colour_scheme {

using Colours = std::vector<std::pair<int, COLORREF>>;

// Windows' "High Contrast Black", the elements the program paints with.
const Colours kBlackScheme = {
    {COLOR_WINDOW, RGB(0, 0, 0)},
    {COLOR_WINDOWTEXT, RGB(255, 255, 255)},
    {COLOR_HIGHLIGHT, RGB(26, 235, 255)},
    {COLOR_HIGHLIGHTTEXT, RGB(0, 0, 0)},
    {COLOR_GRAYTEXT, RGB(63, 242, 63)},
    {COLOR_HOTLIGHT, RGB(255, 255, 0)},
    {COLOR_BTNFACE, RGB(0, 0, 0)},
    {COLOR_BTNTEXT, RGB(255, 255, 255)},
    {COLOR_CAPTIONTEXT, RGB(255, 255, 255)},
    {COLOR_MENU, RGB(0, 0, 0)},
    {COLOR_MENUTEXT, RGB(255, 255, 255)},
};

// Dark window colours of a user's own choice (white window text), not high
// contrast: as a user met them, grey text in green.
const Colours kDarkScheme = {
    {COLOR_WINDOW, RGB(32, 32, 32)},         {COLOR_WINDOWTEXT, RGB(255, 255, 255)},
    {COLOR_HIGHLIGHT, RGB(0, 120, 215)},     {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
    {COLOR_GRAYTEXT, RGB(63, 242, 63)},      {COLOR_HOTLIGHT, RGB(102, 178, 255)},
    {COLOR_BTNFACE, RGB(45, 45, 48)},        {COLOR_BTNTEXT, RGB(255, 255, 255)},
    {COLOR_CAPTIONTEXT, RGB(255, 255, 255)}, {COLOR_MENU, RGB(45, 45, 48)},
    {COLOR_MENUTEXT, RGB(255, 255, 255)},
};

inline void Apply(const Colours& scheme)
{
    std::vector<int> elements;
    std::vector<COLORREF> colours;
    for (const auto& [element, colour] : scheme) {
        elements.push_back(element);
        colours.push_back(colour);
    }
    ::SetSysColors(static_cast<int>(elements.size()), elements.data(), colours.data());
}

inline COLORREF System(int element)
{
    return ::GetSysColor(element);
}

// A scheme set (high contrast said to be on for the black one), or the
// session's colours with it said to be off; at the end the session's
// colours, and no answer.
class Scheme {
public:
    Scheme()
    {
        for (const auto& [element, colour] : kBlackScheme)
            saved_.emplace_back(element, ::GetSysColor(element));
    }
    ~Scheme() { high_contrast_testing::Answer(-1), Apply(saved_); }
    Scheme(const Scheme&) = delete;
    Scheme& operator=(const Scheme&) = delete;
    void Set(bool on) { Set(on ? &kBlackScheme : nullptr); }
    // Null: the session's own colours.
    void Set(const Colours* scheme)
    {
        high_contrast_testing::Answer(scheme == &kBlackScheme ? 1 : 0);
        Apply(scheme ? *scheme : saved_);
    }

private:
    Colours saved_;
};

} // namespace colour_scheme
