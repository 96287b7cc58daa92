#pragma once
// The program's settings store, at its key in the test process's registry
// sandbox (tests/support/Sandbox.h redirects HKEY_CURRENT_USER), for the
// fixtures and the helpers that share it.
#include "model/Settings.h"

inline SettingsStore& TestSettings()
{
    static SettingsStore settings(HKEY_CURRENT_USER, SettingsKeyPath());
    return settings;
}
