// What a count box's number stands for: itself within its rule's range, the
// rule's fallback otherwise (also for an up-down control's failure answer).
#include <gtest/gtest.h>

#include "model/CycleCountRule.h"

namespace {

TEST(CycleCountRule, ANumberOutsideTheRangeStandsForTheFallback)
{
    const struct {
        int count;
        const CycleCountRule& rule;
        int inUse;
    } table[] = {
        {1, kCritDayRule, 1},    {30, kCritDayRule, 30},       {0, kCritDayRule, 3},
        {31, kCritDayRule, 3},   {65536 + 5, kCritDayRule, 3}, {-1, kCritDayRule, 3},
        {2, kClearDayRule, 28},  {3, kClearDayRule, 3},        {90, kClearDayRule, 90},
        {91, kClearDayRule, 28}, {7, kRemindDayRule, 7},       {8, kRemindDayRule, 2},
    };
    for (const auto& row : table) {
        EXPECT_EQ(UsableCount(row.count, row.rule), row.inUse) << row.count;
        EXPECT_EQ(IsUsableCount(row.count, row.rule), row.count == row.inUse) << row.count;
    }
}

} // namespace
