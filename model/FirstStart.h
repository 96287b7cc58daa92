#pragma once
// The first start: the one that asks whether to run the wizard. A start is a
// first start until that question has been answered, however the starts
// before it ended (closed, logged off, killed while the question waited).
// A settings key without FirstStartAnswered, as every program before this
// one left it, counts as answered.

class SettingsStore;

// True when the settings key is missing, or FirstStartAnswered reads 0.
// Creates nothing.
bool IsFirstStart(const SettingsStore& settings);
// Marks the first start as under way (FirstStartAnswered 0), creating the
// settings key: to be called before anything else touches a setting.
void BeginFirstStart(SettingsStore& settings);
// Marks its question as answered.
void EndFirstStart(SettingsStore& settings);
