#pragma once
// Drives a modal wizard from a timer of this thread: one step per tick, run
// inside the wizard's own message loop, so that whatever a step posts (a
// button press) has been handled before the next step runs. A wizard still
// open when the script has run out is cancelled, and the test is told so.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "framework/PropertySheet.h"

namespace wizard_testing {

using Step = std::function<void(CPropertySheet& sheet)>;

// The thread's wizard: a visible top-level window with a Next button that is
// bound to a CPropertySheet.
inline CPropertySheet* FindWizard()
{
    CPropertySheet* found = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            if (!::IsWindowVisible(window) || !::GetDlgItem(window, ID_WIZNEXT))
                return TRUE;
            auto* sheet = dynamic_cast<CPropertySheet*>(CWnd::FromHandlePermanent(window));
            if (!sheet)
                return TRUE;
            *reinterpret_cast<CPropertySheet**>(data) = sheet;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The window of the page the wizard shows.
inline HWND CurrentPage(CPropertySheet& sheet)
{
    return reinterpret_cast<HWND>(sheet.SendMessage(PSM_GETCURRENTPAGEHWND));
}

inline Step Press(int button)
{
    return [button](CPropertySheet& sheet) { sheet.PressButton(button); };
}

// Sets an edit's text on the current page; the edit reports the change.
inline Step Type(int editId, const char* text)
{
    return [editId, text](CPropertySheet& sheet) {
        ::SetDlgItemTextA(CurrentPage(sheet), editId, text);
    };
}

class WizardScript {
public:
    explicit WizardScript(std::vector<Step> steps) : steps_(std::move(steps))
    {
        current_ = this;
        timer_ = ::SetTimer(nullptr, 0, 40, &WizardScript::Tick);
    }
    ~WizardScript()
    {
        ::KillTimer(nullptr, timer_);
        current_ = nullptr;
        EXPECT_FALSE(leftOpen_) << "the wizard was still open after the last step";
    }
    WizardScript(const WizardScript&) = delete;
    WizardScript& operator=(const WizardScript&) = delete;

    size_t StepsRun() const { return next_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        WizardScript* self = current_;
        CPropertySheet* sheet = self ? FindWizard() : nullptr;
        if (!sheet)
            return;
        if (self->next_ < self->steps_.size()) {
            self->steps_[self->next_++](*sheet);
        } else if (++self->idleTicks_ > 25) {
            self->leftOpen_ = true;
            sheet->PressButton(PSBTN_CANCEL);
        }
    }

    static inline WizardScript* current_ = nullptr;
    std::vector<Step> steps_;
    size_t next_ = 0;
    int idleTicks_ = 0;
    bool leftOpen_ = false;
    UINT_PTR timer_ = 0;
};

} // namespace wizard_testing
