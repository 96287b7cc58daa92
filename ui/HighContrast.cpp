#include "ui/HighContrast.h"

namespace {

int g_answer = -1;

} // namespace

bool IsHighContrast()
{
    if (g_answer >= 0)
        return g_answer != 0;
    HIGHCONTRASTW state{};
    state.cbSize = sizeof(state);
    return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(state), &state, 0) &&
           (state.dwFlags & HCF_HIGHCONTRASTON);
}

namespace high_contrast_testing {

void Answer(int answer)
{
    g_answer = answer < 0 ? -1 : (answer != 0 ? 1 : 0);
}

} // namespace high_contrast_testing
