// Entry point of every test executable: the registry is redirected to a
// sandbox of this process and emptied before each test.
#include <gtest/gtest.h>

#include "framework/Dialog.h"
#include "res/resource.h"
#include "tests/support/Sandbox.h"

namespace testing_support {
void CloseRegistrySandbox();
}

namespace {

class SandboxListener : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { testing_support::ResetRegistrySandbox(); }
};

} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Stand-in main windows are made from the main window's template, which names its class.
    RegisterDialogClass(VELINDRA_MAIN_WINDOW_CLASS);
    testing::UnitTest::GetInstance()->listeners().Append(new SandboxListener);
    int result = RUN_ALL_TESTS();
    testing_support::CloseRegistrySandbox();
    return result;
}
