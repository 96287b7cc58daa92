// picgen: draws every picture of Velindra's resources into one folder.
// Usage: picgen <output folder>
#include <cstdio>
#include <string>

#include "Icons.h"
#include "Pictures.h"

using namespace picgen;

namespace {

bool Icon(const std::string& path, const Layer& small, const Layer& large)
{
    return WriteIco(path, {&small, &large});
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
    ok &= WriteBmp(dir + "navigation.bmp", FlattenMasked(NavigationStrip(), kSilver));
    ok &= WriteBmp(dir + "menu.bmp", FlattenMasked(MenuPicture(), kSilver));
    ok &= WriteBmp(dir + "stripe.bmp", StripePicture());
    ok &= WriteBmp(dir + "wizard.bmp", WizardPicture());
    ok &= WriteBmp(dir + "quicklaunch.bmp", Flatten(QuickLaunchScene(), Rgb(255, 255, 255)));
    ok &= WriteBmp(dir + "banner.bmp", Flatten(Banner(), Rgb(255, 255, 255)));
    ok &= Icon(dir + "velindra.ico", ProgramIcon(16, Tone::Grey), ProgramIcon(32, Tone::Grey));
    ok &= Icon(dir + "velindra_pink.ico", ProgramIcon(16, Tone::Pink), ProgramIcon(32, Tone::Pink));
    ok &= Icon(dir + "drop.ico", DropIcon(16), DropIcon(32));
    ok &= Icon(dir + "span.ico", SpanIcon(16), SpanIcon(32));
    if (!ok)
        std::fprintf(stderr, "picgen: could not write every picture into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
