#pragma once
// A suggested cycle, never a silent one: with at least three recorded cycles
// (the days from one recorded first day to the next, the last six at most)
// whose median differs from the cycle in force (period length + clear days)
// by two days or more, the median is offered. Taking it keeps the period
// length and makes the clear days the median less the period length, which
// must be a number of clear days the pages offer, or nothing is offered. The
// median of an even number of cycles, halfway between two whole days, is
// taken towards the cycle in force. A dismissed offer stays hidden until the
// record changes.
#include <windows.h>

#include "model/PeriodRecord.h"
#include "model/StoredCycle.h"

struct CycleSuggestion {
    int cycles = 0;        // how many recorded cycles the median is of; 0: no offer
    int medianDays = 0;    // the cycle offered
    int clearDayCount = 0; // its clear days with the period length in force
    explicit operator bool() const { return cycles > 0; }
};

constexpr int kFewestSuggestedCycles = 3;
constexpr int kMostSuggestedCycles = 6;
constexpr int kSuggestedDifference = 2; // days

CycleSuggestion SuggestCycle(const PeriodRecord& record, int critDayCount, int clearDayCount);

// Which record a dismissal was of; never 0 (nothing dismissed).
DWORD RecordFingerprint(const PeriodRecord& record);

// The offer for the stored record and counts: none while no first day is
// stored, or when she dismissed it with this record.
CycleSuggestion StoredSuggestion(const SettingsStore& settings, StoredCycle& stored);
bool DismissSuggestion(SettingsStore& settings);
// Stores the suggested cycle (ClearDayCount = median - the period length in
// force, when that is a usable count); true when stored.
bool AcceptSuggestion(SettingsStore& settings, const CycleSuggestion& suggestion);
