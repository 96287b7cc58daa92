#include "lang/NameCase.h"

namespace {

// The letters from `first` to `last` (with `pairs`: only every second one,
// the small letter after each capital) have their capital `delta` away.
struct CaseRange {
    char16_t first, last;
    int delta;
    bool pairs;
};

const CaseRange kRanges[] = {
    {0x0061, 0x007A, -32, false},
    {0x00E0, 0x00F6, -32, false},
    {0x00F8, 0x00FE, -32, false},
    {0x00FF, 0x00FF, 0x0178 - 0x00FF, false},
    {0x0100, 0x012F, -1, true},
    {0x0132, 0x0137, -1, true},
    {0x0139, 0x0148, -1, true},
    {0x014A, 0x0177, -1, true},
    {0x0179, 0x017E, -1, true},
    {0x0370, 0x0373, -1, true},
    {0x0376, 0x0377, -1, true},
    {0x037B, 0x037D, 0x03FD - 0x037B, false},
    {0x03AC, 0x03AC, 0x0386 - 0x03AC, false},
    {0x03AD, 0x03AF, 0x0388 - 0x03AD, false},
    {0x03B1, 0x03C1, -32, false},
    {0x03C3, 0x03CB, -32, false},
    {0x03CC, 0x03CC, 0x038C - 0x03CC, false},
    {0x03CD, 0x03CE, 0x038E - 0x03CD, false},
    {0x03D7, 0x03D7, 0x03CF - 0x03D7, false},
    {0x03D8, 0x03EF, -1, true},
    {0x03F2, 0x03F2, 0x03F9 - 0x03F2, false},
    {0x03F3, 0x03F3, 0x037F - 0x03F3, false},
    {0x03F7, 0x03F8, -1, true},
    {0x03FA, 0x03FB, -1, true},
    {0x0430, 0x044F, -32, false},
    {0x0450, 0x045F, -80, false},
    {0x0460, 0x0481, -1, true},
    {0x048A, 0x04BF, -1, true},
    {0x04C1, 0x04CE, -1, true},
    {0x04CF, 0x04CF, 0x04C0 - 0x04CF, false},
    {0x04D0, 0x052F, -1, true},
};

} // namespace

char16_t SimpleUpperCase(char16_t unit)
{
    if (unit < 0x61 || unit > 0x52F)
        return unit;
    for (const CaseRange& range : kRanges) {
        if (unit < range.first)
            break;
        if (unit <= range.last && (!range.pairs || (unit - range.first) % 2 == 1))
            return static_cast<char16_t>(unit + range.delta);
    }
    return unit;
}

bool EqualIgnoringCase(const std::u16string& a, const std::u16string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && SimpleUpperCase(a[i]) != SimpleUpperCase(b[i]))
            return false;
    return true;
}
