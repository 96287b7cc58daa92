#pragma once
// The stored text of StartDate, "%d %d %d %d %d %d" of year, month, day,
// hour, minute and second, read in plain C++ (whether the numbers make a date
// the program can show is for model/StartDate.cpp to say).
#include <string>

struct DateTimeParts {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// Reads the six numbers as "%d %d %d %d %d %d" does: white space before each,
// an optional sign, decimal digits; anything after the sixth (or a NUL)
// ends the text. A number beyond the range of int is clamped to
// +-2147483647. False when there are fewer than six numbers.
bool ParseStartDateText(const std::string& text, DateTimeParts& parts);
