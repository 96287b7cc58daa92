#pragma once
// Every picture of the program's resources.
#include "Files.h"
#include "Raster.h"

namespace picgen {

const Color kSilver{192, 192, 192, 1}; // the mask colour of the navigation and menu pictures

Layer NavigationStrip();  // 128 x 32: Monitor, Scheduler, Options, About
Layer MenuPicture();      // 16 x 16: "Open..."
Rgb24 StripePicture();    // 76 x 286, grey: the main window's stripe
Rgb24 WizardPicture();    // 100 x 232, grey: the wizard's side picture
Layer QuickLaunchScene(); // 240 x 240
Layer Banner();           // 204 x 67

} // namespace picgen
