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
    {"TipCriticalDay", "Velindra \xE2\x80\x93 critical day %1 of %2"},
    {"TipDaysAway", "Velindra \xE2\x80\x93 critical days in %1 days"},
    {"TipTomorrow", "Velindra \xE2\x80\x93 critical days tomorrow"},
    {"StatusCriticalDay", "Critical day %1 of %2"},
    {"StatusDaysAway", "Next critical days: %1 (in %2 days)"},
    {"StatusTomorrow", "Next critical days: %1 (tomorrow)"},
    {"ReminderDaysAway", "Critical days begin in %1 days, on %2."},
    {"ReminderTomorrow", "Critical days begin tomorrow, on %2."},
    {"TipNoFirstDay", "Velindra \xE2\x80\x93 no first day entered yet"},
    {"StatusNoFirstDay", "No first day entered yet (Scheduler page)"},
    {"WeekdayAndDate", "%1, %2"},
    {"CycleHint", "(a cycle of %1 days)"},
    {"CountTipTitle", "Not a usable number"},
    {"CountTipText", "Enter a number from %1 to %2. The number in use is %3."},
};
static_assert(sizeof(kTexts) / sizeof(kTexts[0]) == static_cast<size_t>(TextId::Count),
              "one text for each id");

} // namespace

ProgramText ProgramTextOf(TextId id)
{
    const int index = static_cast<int>(id);
    if (index < 0 || index >= static_cast<int>(TextId::Count))
        return ProgramText{nullptr, nullptr};
    return kTexts[index];
}

CString FormatText(const CString& pattern, const CStringArray& arguments)
{
    CString text;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const size_t place = static_cast<size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && place < arguments.size()) {
            text += arguments[place];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
