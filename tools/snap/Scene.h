#pragma once
// The snapshot viewer's scenes: a scene is a named function that creates one
// top-level window to capture. Any .cpp file in this folder can add scenes
// with a static SceneRegistration; the viewer finds them by name.
#include <windows.h>

#include <string>
#include <vector>

namespace snap {

struct Scene {
    const char* name;
    const char* usage; // what the argument means, for the scene list
    // Creates the window to capture; null when that is impossible (the
    // reason goes to stderr). The window is destroyed by the viewer.
    HWND (*create)(const std::string& argument);
};

const std::vector<Scene>& Scenes();
const Scene* FindScene(const std::string& name);

struct SceneRegistration {
    explicit SceneRegistration(const Scene& scene);
};

} // namespace snap
