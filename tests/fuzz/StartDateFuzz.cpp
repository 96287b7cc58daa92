// Any text as a stored StartDate. The parser must not crash or overrun; it
// reads what the former reader (strtol on the C string, clamped) read; the
// numbers it reads, written again as "%d %d %d %d %d %d", read the same.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/StartDateText.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

// The program's earlier reader, with a long of 32 bits as on Windows.
int FormerParse(const char* text, int* values, int count)
{
    int converted = 0;
    while (converted < count) {
        char* end = nullptr;
        const long long value = std::strtoll(text, &end, 10);
        if (end == text)
            break;
        values[converted++] = value > 0x7FFFFFFFLL    ? 0x7FFFFFFF
                              : value < -0x7FFFFFFFLL ? -0x7FFFFFFF
                                                      : static_cast<int>(value);
        text = end;
    }
    return converted;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    DateTimeParts parts;
    const bool parsed = ParseStartDateText(text, parts);
    int former[6] = {};
    FUZZ_CHECK(parsed == (FormerParse(text.c_str(), former, 6) == 6));
    if (!parsed)
        return 0;
    const auto numbers = [](const DateTimeParts& p) {
        return std::array<int, 6>{p.year, p.month, p.day, p.hour, p.minute, p.second};
    };
    const std::array<int, 6> read = numbers(parts);
    for (int i = 0; i < 6; ++i)
        FUZZ_CHECK(read[i] == former[i] && read[i] >= -0x7FFFFFFF);
    char written[80];
    std::snprintf(written, sizeof(written), "%d %d %d %d %d %d", read[0], read[1], read[2], read[3],
                  read[4], read[5]);
    DateTimeParts again;
    FUZZ_CHECK(ParseStartDateText(written, again));
    FUZZ_CHECK(numbers(again) == read);
    return 0;
}
