#pragma once
// One Velindra per user session: the first start holds a named mutex for its
// whole life; a later start finds the first one's main window by its class,
// asks it to come to the front ("Open...") and ends.
#include <windows.h>

#include "framework/Handle.h"

class SingleInstance {
public:
    SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when no other instance of this session holds the mutex.
    bool IsFirst() const { return first_; }

    // Brings the running instance's main window to the front; waits a little
    // for one that is still starting. False when none answered.
    static bool ActivateRunningInstance();

private:
    fw::KernelHandle mutex_;
    bool first_ = true;
};
