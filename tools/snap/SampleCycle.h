#pragma once
// Scenes that show marked calendars use the sample cycle (a period of 5 days
// every 28 days, one starting 2004-03-10 09:30) on 2004-05-20, without
// touching the settings of the Wine prefix: the current user's registry root
// is redirected to a scratch key of this process, deleted again at exit.
#include "framework/Clock.h"
#include "lang/LanguageManager.h"
#include "model/StoredCycle.h"
#include "ui/HelpTopic.h"
#include "ui/Shell.h"

namespace snap {

// Now in every scene: the clock stands at 2004-05-20 12:00 unless a scene sets
// it elsewhere before it makes its window.
class SampleClock final : public fw::Clock {
public:
    COleDateTime Now() const override { return now; }
    COleDateTime UtcNow() const override { return now; }
    COleDateTime now{2004, 5, 20, 12, 0, 0};
};
SampleClock& TheClock();

// Help for the scenes: none is opened.
class NoHelp final : public HelpOpener {
public:
    void OpenTopic(const char*) override {}
};
NoHelp& TheHelp();

// The system's shell for the scenes.
Shell& TheShell();

// The program's texts for the scenes (the "lang" scene sets its language).
LanguageManager& TheTexts();

// The program's settings store and the stored cycle, as the scenes' windows
// read them.
SettingsStore& TheSettings();
StoredCycle& TheCycle();

// False when the scratch key could not be set up (nothing is redirected then).
bool UseSampleCycle();
// Adds a record of five first days before the sample's (cycles of 31, 31, 30
// and 31 days): the History dialog lists them, and the Monitor page offers a
// cycle of 31 days. Call after UseSampleCycle.
void StoreSampleRecord();

} // namespace snap
