#pragma once
// The range of each cycle count and what takes the place of a count outside
// it. The Scheduler page and the wizard offer exactly these ranges, and the
// settings store reads a stored count outside its range as the fallback.

// The range of one cycle count and what takes the place of an unusable one.
struct CycleCountRule {
    int lowest;
    int highest;
    int fallback; // the default, also the position shown when a page is created
};
constexpr CycleCountRule kCritDayRule{1, 30, 3};
constexpr CycleCountRule kClearDayRule{3, 90, 28};
// The days before critical days on which the reminder may come (Options page).
constexpr CycleCountRule kRemindDayRule{1, 7, 2};

// The count itself when it lies within the rule's range, the fallback
// otherwise. An up-down control's 32-bit position answer that reports
// failure (a non-zero high word: empty, non-numeric or out-of-range buddy
// text) lies outside every range.
constexpr int UsableCount(int count, const CycleCountRule& rule)
{
    return count >= rule.lowest && count <= rule.highest ? count : rule.fallback;
}

// True when the box holds a number the rule can use as it stands: what may be
// stored without correcting the box first.
constexpr bool IsUsableCount(int count, const CycleCountRule& rule)
{
    return UsableCount(count, rule) == count;
}
