#pragma once
// Scenes that build the program's own windows give them an executable folder
// of their own (a fresh temporary folder), so that the language list shows
// only the English file that the windows write there, whatever lies beside
// the viewer. The folder is removed again when the process ends.
#include <string>

namespace snap {

// False when the folder could not be made.
bool UseScratchProgramFolder();
// The (pretended) executable in that folder, which the program's texts are
// given; empty when the folder could not be made.
std::wstring ScratchProgramFile();

} // namespace snap
