#pragma once
// The count boxes of one page on the way to being stored: a change waits for
// its pause (pages/SettlingChange.h), a box left with a number it cannot use
// shows the number in use with a balloon tip (pages/CountBalloon.h), and
// what the page shows from the settings itself stores nothing. The Options
// and Scheduler pages settle their boxes through one of these.
#include <windows.h>

#include <initializer_list>
#include <vector>

#include "framework/Controls.h"
#include "lang/LanguageManager.h"
#include "model/CycleCountRule.h"
#include "pages/CountBalloon.h"
#include "pages/SettlingChange.h"

class CountSettler {
public:
    struct Box {
        CSpinButtonCtrl& spin;
        CEdit& edit;
        const CycleCountRule& rule;
    };

    CountSettler(const LanguageManager& texts, std::initializer_list<Box> boxes)
        : balloon_(texts), boxes_(boxes)
    {
    }

    // Set from construction to the end of the page's OnInitDialog (Loaded)
    // and while a Loading lives: the boxes' changes store nothing then.
    bool IsLoading() const { return loading_; }
    void Loaded() { loading_ = false; }
    class Loading {
    public:
        explicit Loading(CountSettler& settler) : settler_(settler), was_(settler.loading_)
        {
            settler_.loading_ = true;
        }
        ~Loading() { settler_.loading_ = was_; }
        Loading(const Loading&) = delete;
        Loading& operator=(const Loading&) = delete;

    private:
        CountSettler& settler_;
        bool was_;
    };

    // A box's number changed (a keystroke, an arrow step): the balloon goes,
    // and unless the page is loading the pause begins again.
    void Changed(HWND page);
    // Another value of the page changed: the pause begins again.
    void Begin(HWND page) { change_.Begin(page); }
    // The box was left: a number it cannot use is corrected, with the
    // balloon. False (nothing done) while the page is hidden or being
    // destroyed: the window's end stores what waits itself.
    bool Left(HWND page, size_t box);
    // WM_TIMER: whether it is the pause's timer.
    static bool IsPauseTimer(UINT_PTR id) { return id == SettlingChange::kPauseTimer; }
    // The pause ended: true when every box holds a number it can use (the
    // page settles); a number half typed waits for more, or for the box to
    // be left.
    bool PauseEnded(HWND page) const;
    // True, once, when a change waits to be stored; the boxes then show
    // numbers they can use (a box left empty shows the number in use).
    bool Take(HWND page);
    void HideBalloon() { balloon_.Hide(); }

private:
    CountBalloon balloon_;
    std::vector<Box> boxes_;
    SettlingChange change_;
    bool loading_ = true;
};
