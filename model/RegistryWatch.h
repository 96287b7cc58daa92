#pragma once
// A watch on a registry root (HKEY_CURRENT_USER for the program's settings):
// tells whether anything under it may have changed (a value set or removed, a
// key made or deleted, by this program or another) since it last said so. What
// is read from the settings can then be kept until the next change.
#include <windows.h>

#include "framework/Handle.h"
#include "model/RegKey.h"

class RegistryWatch {
public:
    explicit RegistryWatch(HKEY root);
    RegistryWatch(const RegistryWatch&) = delete;
    RegistryWatch& operator=(const RegistryWatch&) = delete;

    // True the first time, after a change and whenever no watch could be set
    // (so that the caller reads again); the watch is set anew before it
    // answers true, so a change made while the caller reads is not missed.
    bool Changed();

private:
    void Watch();

    HKEY watched_;
    fw::KernelHandle changed_; // signalled by the system on a change
    RegKey root_;              // the watched key open; empty while no watch is set
};
