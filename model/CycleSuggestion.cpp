#include "model/CycleSuggestion.h"

#include <algorithm>
#include <cstdlib>

#include "model/CycleCountRule.h"
#include "model/CycleHistory.h"
#include "model/Settings.h"

namespace {

// The days between consecutive recorded first days, the last few at most.
std::vector<int64_t> RecentCycles(const PeriodRecord& record)
{
    std::vector<int64_t> cycles;
    const size_t most = kMostSuggestedCycles;
    for (size_t i = record.size() > most ? record.size() - most : 1; i < record.size(); ++i)
        cycles.push_back(record[i].day - record[i - 1].day);
    return cycles;
}

bool IsUsableClearDays(int64_t days)
{
    return days >= kClearDayRule.lowest && days <= kClearDayRule.highest;
}

} // namespace

CycleSuggestion SuggestCycle(const PeriodRecord& record, int critDayCount, int clearDayCount)
{
    std::vector<int64_t> cycles = RecentCycles(record);
    const int64_t count = static_cast<int64_t>(cycles.size());
    if (count < kFewestSuggestedCycles || critDayCount <= 0)
        return CycleSuggestion();
    std::sort(cycles.begin(), cycles.end());
    const int64_t twiceMedian = cycles[(count - 1) / 2] + cycles[count / 2];
    const int64_t inForce = static_cast<int64_t>(critDayCount) + clearDayCount;
    if (std::llabs(twiceMedian - 2 * inForce) < 2 * kSuggestedDifference)
        return CycleSuggestion();
    const int64_t median = twiceMedian > 2 * inForce ? twiceMedian / 2 : (twiceMedian + 1) / 2;
    if (!IsUsableClearDays(median - critDayCount))
        return CycleSuggestion();
    return {static_cast<int>(count), static_cast<int>(median),
            static_cast<int>(median - critDayCount)};
}

DWORD RecordFingerprint(const PeriodRecord& record)
{
    DWORD hash = 2166136261u; // FNV-1a
    for (const char c : PeriodRecordText(record))
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash ? hash : 1;
}

CycleSuggestion StoredSuggestion(const SettingsStore& settings, StoredCycle& stored)
{
    CycleHistory cycle;
    if (!stored.Read(cycle))
        return CycleSuggestion();
    const CycleSuggestion offer =
        SuggestCycle(cycle.record, cycle.critDayCount, cycle.clearDayCount);
    if (settings.ReadDword(SettingDismissedSuggestion) == RecordFingerprint(cycle.record))
        return CycleSuggestion();
    return offer;
}

bool DismissSuggestion(SettingsStore& settings)
{
    return settings.WriteDword(SettingDismissedSuggestion,
                               RecordFingerprint(ReadPeriodRecord(settings)));
}

bool AcceptSuggestion(SettingsStore& settings, const CycleSuggestion& suggestion)
{
    const int64_t clearDays =
        static_cast<int64_t>(suggestion.medianDays) - settings.ReadDword(SettingCritDayCount);
    return suggestion && IsUsableClearDays(clearDays) &&
           settings.WriteDword(SettingClearDayCount, static_cast<DWORD>(clearDays));
}
