// picgen: draws every picture of Velindra's resources into one folder.
// Usage: picgen <output folder>
#include <cstdio>
#include <string>
#include <vector>

#include "Icons.h"
#include "Pictures.h"

using namespace picgen;

namespace {

// The sizes of every icon: small icons at 100, 125, 150 and 200 % (16 to 32),
// large ones at 100, 150 and 200 % (32, 48, 64); the program's own icon also
// at 256 for the shell's largest views.
const std::vector<int> kIconSizes = {16, 20, 24, 32, 48, 64};
const std::vector<int> kShellIconSizes = {16, 20, 24, 32, 48, 64, 256};

template <class Draw>
bool Icon(const std::string& path, Draw draw, const std::vector<int>& sizes = kIconSizes)
{
    std::vector<Layer> layers;
    for (int size : sizes)
        layers.push_back(draw(size));
    std::vector<const Layer*> entries;
    for (const Layer& layer : layers)
        entries.push_back(&layer);
    return WriteIco(path, entries);
}

// A picture at 100 % as a bitmap (24-bit, or 8-bit with a palette for the
// pictures shown as they are), and at the scales as PNG files named
// <name>150.png and <name>200.png.
enum class Depth { Full, Palette };
template <class Draw>
bool Picture(const std::string& dir, const std::string& name, Draw draw,
             std::vector<int> scales = {150, 200}, Depth depth = Depth::Full)
{
    const std::string bmp = dir + name + ".bmp";
    bool ok = depth == Depth::Palette ? WriteBmp8(bmp, draw(1.0f)) : WriteBmp(bmp, draw(1.0f));
    for (int scale : scales)
        ok &= WritePng(dir + name + std::to_string(scale) + ".png", draw(scale / 100.0f));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: picgen <output folder>\n");
        return 2;
    }
    std::string dir = std::string(argv[1]) + "/";
    bool ok = true;
    const Color white = Rgb(255, 255, 255);
    ok &= Picture(dir, "navigation",
                  [](float s) { return FlattenMasked(NavigationStrip(s), kSilver); });
    ok &= Picture(dir, "menu", [](float s) { return FlattenMasked(MenuPicture(s), kSilver); });
    // The opaque pictures only at 200 %: the program makes any other scale
    // from it by shrinking (a masked picture could not be shrunk cleanly).
    ok &= Picture(dir, "stripe", [](float s) { return StripePicture(s); }, {200});
    ok &= Picture(dir, "wizard", [](float s) { return WizardPicture(s); }, {200});
    // The two largest pictures shown as they are: 256 colours are plenty and
    // take a third of the room.
    ok &= Picture(
        dir, "quicklaunch", [&](float s) { return Flatten(QuickLaunchScene(s), white); }, {},
        Depth::Palette);
    ok &= Picture(
        dir, "banner", [&](float s) { return Flatten(Banner(s), white); }, {200}, Depth::Palette);
    ok &= Icon(
        dir + "velindra.ico", [](int size) { return ProgramIcon(size, Tone::Grey); },
        kShellIconSizes);
    ok &= Icon(dir + "velindra_pink.ico", [](int size) { return ProgramIcon(size, Tone::Pink); });
    ok &= Icon(dir + "drop.ico", [](int size) { return DropIcon(size); });
    ok &= Icon(dir + "span.ico", [](int size) { return SpanIcon(size); });
    if (!ok)
        std::fprintf(stderr, "picgen: could not write every picture into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
