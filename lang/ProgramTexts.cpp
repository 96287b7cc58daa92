#include "lang/ProgramTexts.h"

namespace {

// In the order of TextId.
const ProgramText kTexts[] = {
    {"PreviousMonth", "Previous month"},
    {"NextMonth", "Next month"},
    {"PressAction", "Press"},
    {"CriticalDay", "critical day"},
    {"Today", "today"},
    {"OtherMonth", "other month"},
    {"OpenLinkAction", "Open"},
    {"TipCriticalDay", "Velindra \xE2\x80\x93 critical day %1 of %2",
     "Velindra \xE2\x80\x93 critical day %1 of %2"},
    {"TipDaysAway", "Velindra \xE2\x80\x93 critical days in %1 days",
     "Velindra \xE2\x80\x93 critical days in %1 day"},
    {"TipTomorrow", "Velindra \xE2\x80\x93 critical days tomorrow"},
    {"StatusCriticalDay", "Critical day %1 of %2", "Critical day %1 of %2"},
    {"StatusDaysAway", "Next critical days: %1 (in %2 days)", "Next critical days: %1 (in %2 day)"},
    {"StatusTomorrow", "Next critical days: %1 (tomorrow)"},
    {"ReminderDaysAway", "Critical days begin in %1 days, on %2.",
     "Critical days begin in %1 day, on %2."},
    {"ReminderTomorrow", "Critical days begin tomorrow, on %2."},
    {"TipNoFirstDay", "Velindra \xE2\x80\x93 no first day entered yet"},
    {"StatusNoFirstDay", "No first day entered yet (Scheduler page)"},
    {"WeekdayAndDate", "%1, %2"},
    {"CycleHint", "(a cycle of %1 days)", "(a cycle of %1 day)"},
    {"CountTipTitle", "Not a usable number"},
    {"CountTipText", "Enter a number from %1 to %2. The number in use is %3."},
    {"WizardBack", "< &Back"},
    {"WizardNext", "&Next >"},
    {"WizardFinish", "Finish"},
    {"WizardCancel", "Cancel"},
    {"CycleSuggestion", "Your last %1 cycles had a median of %2 days. Use %2?",
     "Your last cycle had %2 days. Use %2?"},
    {"ExportSummary", "Period"},
    {"ExportFileType", "iCalendar (*.ics)"},
};
static_assert(sizeof(kTexts) / sizeof(kTexts[0]) == static_cast<size_t>(TextId::Count),
              "one text for each id");

bool StartsCharacter(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// Appends as much of `part` as fits in the characters left; false once full.
bool Append(CString& text, const CString& part, size_t& left)
{
    for (size_t i = 0; i < part.size(); ++i) {
        if (StartsCharacter(part[i])) {
            if (left == 0)
                return false;
            --left;
        }
        text += part[i];
    }
    return true;
}

} // namespace

ProgramText ProgramTextOf(TextId id)
{
    const int index = static_cast<int>(id);
    if (index < 0 || index >= static_cast<int>(TextId::Count))
        return ProgramText{nullptr, nullptr, nullptr};
    return kTexts[index];
}

CString FormatText(const CString& pattern, const CStringArray& arguments)
{
    CString text;
    size_t left = kMaxTextLength;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const size_t place = static_cast<size_t>(next - '1');
        const bool filled =
            pattern[i] == '%' && next >= '1' && next <= '9' && place < arguments.size();
        if (!Append(text, filled ? arguments[place] : CString(1, pattern[i]), left))
            break;
        i += filled ? 1 : 0;
    }
    return text;
}
