#include "lang/ProgramTexts.h"

namespace {

// In the order of TextId.
const ProgramText kTexts[] = {
    {"PreviousMonth", "Previous month"}, {"NextMonth", "Next month"}, {"PressAction", "Press"},
    {"CriticalDay", "critical day"},     {"Today", "today"},          {"OtherMonth", "other month"},
    {"OpenLinkAction", "Open"},
};
static_assert(sizeof(kTexts) / sizeof(kTexts[0]) == static_cast<size_t>(TextId::Count),
              "one text per id");

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
