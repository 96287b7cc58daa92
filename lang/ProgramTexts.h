#pragma once
// The texts the program writes itself, outside any window template: each has
// a key of the "Texts" section of the language files and its built-in
// English. A text may hold the places %1, %2, ... which FormatText fills, so
// that a translation can put them in its own order.
#include "framework/Strings.h"

enum class TextId {
    // What screen readers hear of the month calendar: its step buttons, the
    // action that presses them, and the words describing a day.
    PreviousMonth,
    NextMonth,
    PressAction,
    CriticalDay,
    Today,
    OtherMonth,
    // The action that opens a link.
    OpenLinkAction,
    Count // the number of texts; not a text
};

struct ProgramText {
    const char* key;
    const char* english;
};

// The key and the built-in text; a key of null for an id that is no text.
ProgramText ProgramTextOf(TextId id);

// The text with each "%<n>" (n = 1 to 9) replaced by the n-th argument; a
// place without an argument, and any other "%", stay as they are.
CString FormatText(const CString& pattern, const CStringArray& arguments);
