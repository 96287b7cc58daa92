// Every window of the program, as it is laid out with the dialog font of the
// system it runs on: nothing outside its window, nothing over another
// control, and every text wholly readable.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/app/MainWindowHost.h"
#include "tests/app/WindowTour.h"
#include "tests/support/LayoutCheck.h"

using namespace main_window_testing;

namespace {

using LayoutTest = MainWindowEnvironment;

TEST_F(LayoutTest, EveryWindowKeepsItsControlsInsideApartReadableAndItsAccessKeysUnique)
{
    CreateMain();
    std::vector<std::string> faults;
    // The navigation list's frame is drawn over the edge of the picture stripe.
    const std::vector<testing_support::AllowedOverlap> allowed{
        {IDC_MAIN_STRIPE, IDC_MAIN_NAVIGATION}};
    int visited = 0;
    TourEveryWindow(*main, [&](const std::string& name, HWND window) {
        ++visited;
        testing_support::CheckLayout(window, name, faults, allowed);
        testing_support::CheckMnemonics(window, name, faults);
    });
    EXPECT_EQ(visited, 10);
    std::string all;
    for (const std::string& fault : faults)
        all += fault + "\n";
    EXPECT_TRUE(faults.empty()) << all;
}

} // namespace
