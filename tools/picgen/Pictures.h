#pragma once
// Every picture of the program's resources.
#include "Files.h"
#include "Raster.h"

namespace picgen {

const Color kSilver{192, 192, 192, 1}; // the mask colour of the navigation and menu pictures

// Sizes at 100 %; a scale of 1.5 or 2 draws the same picture with that many
// pixels per pixel of the 100 % picture.
Layer NavigationStrip(float scale = 1);  // 128 x 32: Monitor, Scheduler, Options, About
Layer MenuPicture(float scale = 1);      // 16 x 16: "Open..."
Rgb24 StripePicture(float scale = 1);    // 76 x 286, grey: the main window's stripe
Rgb24 WizardPicture(float scale = 1);    // 100 x 232, grey: the wizard's side picture
Layer QuickLaunchScene(float scale = 1); // 240 x 240
Layer Banner(float scale = 1);           // 204 x 67

} // namespace picgen
