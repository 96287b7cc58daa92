#include "Scene.h"

namespace snap {

namespace {

std::vector<Scene>& Registry()
{
    static std::vector<Scene> scenes;
    return scenes;
}

} // namespace

SceneRegistration::SceneRegistration(const Scene& scene)
{
    Registry().push_back(scene);
}

const std::vector<Scene>& Scenes()
{
    return Registry();
}

const Scene* FindScene(const std::string& name)
{
    for (const Scene& s : Registry())
        if (name == s.name)
            return &s;
    return nullptr;
}

} // namespace snap
