#pragma once
// A date and time as "2004-03-11 00:00:01" (or "invalid"), so that a failed
// comparison shows both dates whole.
#include <cstdio>
#include <string>

#include "framework/DateTime.h"

namespace testing_support {

inline std::string DateStamp(const COleDateTime& date)
{
    if (date.GetStatus() != COleDateTime::valid)
        return "invalid";
    char text[32];
    std::snprintf(text, sizeof(text), "%04d-%02d-%02d %02d:%02d:%02d", date.GetYear(),
                  date.GetMonth(), date.GetDay(), date.GetHour(), date.GetMinute(),
                  date.GetSecond());
    return text;
}

} // namespace testing_support
