#include "model/StartDateText.h"

#include <cstdint>

namespace {

constexpr int64_t kLargest = 0x7FFFFFFF;

bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads one number at `at` and moves past it; false (not moving) when there
// is none.
bool ParseInteger(const std::string& text, size_t& at, int& value)
{
    size_t next = at;
    while (next < text.size() && IsSpace(text[next]))
        ++next;
    const bool negative = next < text.size() && text[next] == '-';
    if (next < text.size() && (text[next] == '-' || text[next] == '+'))
        ++next;
    if (next >= text.size() || !IsDigit(text[next]))
        return false;
    int64_t magnitude = 0;
    for (; next < text.size() && IsDigit(text[next]); ++next)
        if (magnitude <= kLargest)
            magnitude = magnitude * 10 + (text[next] - '0');
    if (magnitude > kLargest)
        magnitude = kLargest;
    value = static_cast<int>(negative ? -magnitude : magnitude);
    at = next;
    return true;
}

} // namespace

bool ParseStartDateText(const std::string& text, DateTimeParts& parts)
{
    int values[6] = {};
    size_t at = 0;
    for (int& value : values)
        if (!ParseInteger(text, at, value))
            return false;
    parts = {values[0], values[1], values[2], values[3], values[4], values[5]};
    return true;
}
