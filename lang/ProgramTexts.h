#pragma once
// The texts the program writes itself, outside any window template: each has
// a key of the "Texts" section of the language files and its built-in
// English. A text may hold the places %1, %2, ... which FormatText fills, so
// that a translation can put them in its own order. A text that holds a count
// takes the form of the count's plural category (lang/PluralRule.h): the
// language file may give it as "<key>.one", "<key>.few", ...; English has a
// form for one.
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
    // Where today stands, in the icon's tip, on the Monitor page and in the
    // reminder; the cycle hint and the balloon of the count boxes.
    TipCriticalDay,    // the icon's tip on a critical day: %1 of %2
    TipDaysAway,       // ... before one: in %1 days
    TipTomorrow,       // ... the day before one
    StatusCriticalDay, // the Monitor page's line on a critical day: %1 of %2
    StatusDaysAway,    // ... before one: %1 weekday and date, %2 the days, %3 the date
    StatusTomorrow,    // ... the day before one: %1 weekday and date, %3 the date
    ReminderDaysAway,  // the reminder: %1 days, %2 weekday and date, %3 the date
    ReminderTomorrow,  // ... the day before: %2 weekday and date, %3 the date
    TipNoFirstDay,     // the icon's tip while no first day is stored
    StatusNoFirstDay,  // ... the Monitor page's line, saying where to enter it
    WeekdayAndDate,    // how a date is named in the texts above: %1 the weekday, %2 day and month
    CycleHint,         // beside the days between periods: %1 the whole cycle in days
    CountTipTitle,     // the balloon on a count box left with a number it cannot use
    CountTipText,      // ... %1 to %2 the range, %3 the number in use
    // The wizard's buttons.
    WizardBack,
    WizardNext,
    WizardFinish,
    WizardCancel,
    // The Monitor page's offer of a cycle: %1 recorded cycles, %2 their median.
    CycleSuggestion,
    // The calendar file: each event's title, and the file type in the save dialog.
    ExportSummary,
    ExportFileType,
    Count // the number of texts; not a text
};

struct ProgramText {
    const char* key;
    const char* english;
    // The English form for a count of one; null for a text without a count.
    const char* englishOne = nullptr;
};

// The key and the built-in text; a key of null for an id that is no text.
ProgramText ProgramTextOf(TextId id);

// The text with each "%<n>" (n = 1 to 9) replaced by the n-th argument; a
// place without an argument, and any other "%", stay as they are. At most
// kMaxTextLength characters: a longer text is cut after the last whole
// character that fits (a stranger's language file may repeat a place
// hundreds of times).
CString FormatText(const CString& pattern, const CStringArray& arguments);
constexpr size_t kMaxTextLength = 1024;
