#pragma once
// A real MainDialog in the test's program environment, with an application
// object whose main window it is.
#include <memory>

#include "app/MainDialog.h"
#include "res/resource.h"
#include "tests/app/MainWindowFixture.h"

namespace main_window_testing {

class MainWindowEnvironment : public ProgramEnvironment {
protected:
    ~MainWindowEnvironment() override
    {
        main.reset();
        app.m_pMainWnd = nullptr;
    }

    void CreateMain()
    {
        main = std::make_unique<MainDialog>();
        app.m_pMainWnd = main.get();
        ASSERT_TRUE(main->Create(IDD_MAIN));
    }

    CWinApp app;
    std::unique_ptr<MainDialog> main;
};

} // namespace main_window_testing
