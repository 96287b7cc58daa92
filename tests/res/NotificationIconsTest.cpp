// The notification icons on a dark and on a light taskbar (Windows 11's
// #202020 and #F3F3F3): drawn over each as the shell draws them, every image
// they ship keeps an outline that stands out from the taskbar by at least
// 3:1 (the contrast asked of graphical objects) all round the icon.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <vector>

#include "res/resource.h"
#include "ui/Drawing.h"
#include "tests/ui/PixelTesting.h"

namespace {

using pixel_testing::Pixels;

constexpr COLORREF kDarkTaskbar = RGB(0x20, 0x20, 0x20);
constexpr COLORREF kLightTaskbar = RGB(0xF3, 0xF3, 0xF3);

// The sizes of the images of an icon resource, as its directory lists them.
std::vector<int> SizesOf(UINT id)
{
    HRSRC group = ::FindResourceA(nullptr, MAKEINTRESOURCEA(id), RT_GROUP_ICON);
    const auto* dir =
        group ? static_cast<const BYTE*>(::LockResource(::LoadResource(nullptr, group))) : nullptr;
    std::vector<int> sizes;
    for (int i = 0; dir && i < dir[4] + 256 * dir[5]; ++i) // 6 bytes of header, 14 an entry
        sizes.push_back(dir[6 + 14 * i] ? dir[6 + 14 * i] : 256);
    return sizes;
}

// An icon drawn over both taskbars. Its silhouette: the pixels it covers at
// least half (over the light taskbar they are at most half as much lighter).
struct Drawn {
    int size;
    Pixels dark, light;

    static Pixels Over(HICON icon, int size, COLORREF taskbar)
    {
        return Pixels::Drawn(size, size, taskbar, [&](CDC& dc) {
            ::DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        });
    }
    bool Inside(int x, int y) const
    {
        const bool on = x >= 0 && y >= 0 && x < size && y < size;
        return on && 2 * (GetGValue(light(x, y)) - GetGValue(dark(x, y))) <= 0xF3 - 0x20;
    }
    bool Edge(int x, int y) const
    {
        return Inside(x, y) &&
               !(Inside(x - 1, y) && Inside(x + 1, y) && Inside(x, y - 1) && Inside(x, y + 1));
    }
    // The lowest contrast to the taskbar round the edge: at each pixel of
    // the silhouette's edge, the best of it and the pixels just inside it
    // (a light rim round a dark outline stands out on either taskbar); 0
    // when nothing is drawn.
    double EdgeContrast(COLORREF taskbar) const
    {
        const Pixels& over = taskbar == kDarkTaskbar ? dark : light;
        double lowest = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                if (!Edge(x, y))
                    continue;
                double best = ContrastRatio(over(x, y), taskbar);
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (Inside(x + dx, y + dy) && !Edge(x + dx, y + dy))
                            best = std::max(best, ContrastRatio(over(x + dx, y + dy), taskbar));
                lowest = lowest > 0 ? std::min(lowest, best) : best;
            }
        return lowest;
    }
};

TEST(NotificationIcons, KeepAnOutlineOf3To1OnADarkAndALightTaskbarAtEverySize)
{
    for (UINT id : {IDI_VELINDRA, IDI_VELINDRA_PINK}) {
        const std::vector<int> sizes = SizesOf(id);
        EXPECT_GE(sizes.size(), 6u) << id;
        for (int size : sizes) {
            auto icon = static_cast<HICON>(::LoadImageA(
                ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
            ASSERT_TRUE(icon != nullptr) << id << " at " << size;
            const Drawn drawn{size, Drawn::Over(icon, size, kDarkTaskbar),
                              Drawn::Over(icon, size, kLightTaskbar)};
            ::DestroyIcon(icon);
            for (COLORREF taskbar : {kDarkTaskbar, kLightTaskbar})
                EXPECT_GE(drawn.EdgeContrast(taskbar), 3.0)
                    << id << " at " << size << " over " << std::hex << taskbar;
        }
    }
}

} // namespace
