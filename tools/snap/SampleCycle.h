#pragma once
// Scenes that show marked calendars use the sample cycle (a period of 5 days
// every 28 days, one starting 2004-03-10 09:30) on 2004-05-20, without
// touching the settings of the Wine prefix: the current user's registry root
// is redirected to a scratch key of this process, deleted again at exit.
namespace snap {

// False when the scratch key could not be set up (nothing is redirected then).
bool UseSampleCycle();
// Adds a record of five first days before the sample's (cycles of 31, 31, 30
// and 31 days): the History dialog lists them, and the Monitor page offers a
// cycle of 31 days. Call after UseSampleCycle.
void StoreSampleRecord();

} // namespace snap
