#pragma once
// TrayPresence: the program in the notification area. It owns the icon (its
// two pictures, its state and tip), the icon's pop-up menu (menu 134) and the
// reminder a few days before critical days, shown once for each critical
// period. The main window hands it the icon's callbacks and is reached back
// through TrayOwner.
#include <windows.h>

#include "app/TrayIcon.h"
#include "framework/Clock.h"
#include "framework/DateTime.h"
#include "framework/Gdi.h"
#include "ui/IconMenu.h"
#include "ui/Shell.h"

class CWnd;
class LanguageManager;
class SettingsStore;
class StoredCycle;
struct DayStanding;

// What the notification icon asks of the window it belongs to.
class TrayOwner {
public:
    // While a window of the program waits for an answer, it comes to the
    // front and the answer is true.
    virtual bool BringOpenModalToFront() = 0;
    // The main window on the Monitor page, on the month of the day when one
    // is given (a click on the reminder).
    virtual void OpenMonitor(const COleDateTime* month) = 0;
    // True once the program was asked to end.
    virtual bool IsEnding() const = 0;

protected:
    ~TrayOwner() = default;
};

class TrayPresence {
public:
    // The services outlive the icon.
    TrayPresence(TrayOwner& owner, const fw::Clock& clock, Shell& shell, LanguageManager& language,
                 SettingsStore& settings, StoredCycle& stored)
        : owner_(owner), clock_(clock), language_(language), settings_(settings), stored_(stored),
          icon_(shell)
    {
    }
    TrayPresence(const TrayPresence&) = delete;
    TrayPresence& operator=(const TrayPresence&) = delete;

    // The icon in the notification area, sending its callbacks to the window,
    // in the state and with the tip of the day's standing.
    void Add(CWnd* window, const DayStanding& standing);
    // Menu 134 anew in the language, at the window's scale.
    void LoadMenu();
    // Where today stands: the icon's state and tip, and the reminder when one
    // is due.
    void Tell(const DayStanding& standing);
    // While held (the first-run offer and the wizard that may follow it), no
    // reminder is shown; the last release shows one that became due.
    void HoldReminder(bool hold);
    // The window was enabled again (a dialog closed): a reminder that had to
    // wait comes now.
    void OnWindowEnabled();
    // The notification icon's callback: the mouse message.
    void OnNotify(UINT mouseMessage);
    // The shell's notification area was (re-)created: the icon goes back.
    void OnShellRestarted();
    // The icon goes (the window is being destroyed, or the session ends).
    void Remove() { icon_.RemoveIcon(); }

    TrayIcon::State GetState() const { return icon_.GetState(); }
    HICON GetIcon(TrayIcon::State state) const;
    const TrayIcon& Icon() const { return icon_; }
    IconMenu& Menu() { return menu_; }

private:
    TrayIcon::State StateFor(const DayStanding& standing) const;
    // Shows the reminder for the next critical period when the option is on,
    // today lies within its days before that period, that period was not
    // announced yet, and no window waits for an answer; withdraws one shown
    // for a period that no longer holds.
    void RemindIfDue(const DayStanding& standing);
    void RemindIfDueToday();
    void OnReminderClick();
    void ShowMenu();

    TrayOwner& owner_;
    const fw::Clock& clock_;
    LanguageManager& language_;
    SettingsStore& settings_;
    StoredCycle& stored_;
    CWnd* window_ = nullptr;
    TrayIcon icon_;
    CIcon normal_;
    CIcon pink_;
    IconMenu menu_;
    int reminderHolds_ = 0;
    // The first day of the period the reminder shown in this run announced.
    bool reminderShown_ = false;
    COleDateTime remindedStart_;
};
