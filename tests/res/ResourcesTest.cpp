// What the pictures must be beyond what the windows show of them: masked
// pictures whose cells have silver (the mask colour) in their corners, and
// icons drawn at 16 and 32 pixels in their colours.
#include <gtest/gtest.h>
#include <windows.h>

#include <tuple>

#include "res/resource.h"

namespace {

TEST(Pictures, MaskedCellsHaveSilverCorners)
{
    const std::tuple<int, int, int> strips[] = {{IDB_NAVIGATION, 4, 32}, {IDB_MENU_ICONS, 1, 16}};
    for (const auto& [id, cells, side] : strips) {
        HBITMAP bitmap = static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        for (int x = 0; x < cells * side; x += side)
            EXPECT_TRUE(GetPixel(dc, x, 0) == RGB(192, 192, 192) &&
                        GetPixel(dc, x + side - 1, side - 1) == RGB(192, 192, 192))
                << id << " at " << x;
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
}

// Each icon has its own 32-bit image of 16 and of 32 pixels (none scaled from
// another size); the program's icon is grey, its critical-day form pink.
TEST(Icons, HaveTrue16And32PixelImagesInTheirColours)
{
    for (int id : {IDI_VELINDRA, IDI_VELINDRA_PINK, IDI_CRIT_PERIOD, IDI_CLEAR_PERIOD})
        for (int size : {16, 32}) {
            HRSRC group = FindResourceA(nullptr, MAKEINTRESOURCEA(id), RT_GROUP_ICON);
            ASSERT_TRUE(group != nullptr) << id;
            const int entry = LookupIconIdFromDirectoryEx(
                static_cast<BYTE*>(LockResource(LoadResource(nullptr, group))), TRUE, size, size,
                0);
            HRSRC image = FindResourceA(nullptr, MAKEINTRESOURCEA(entry), RT_ICON);
            ASSERT_TRUE(image != nullptr) << id;
            const auto* header =
                static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, image)));
            ASSERT_TRUE(header->biWidth == size && header->biBitCount == 32) << id;
            ASSERT_GE(SizeofResource(nullptr, image), sizeof(*header) + size * size * 4u);
            const auto* pixel = reinterpret_cast<const BYTE*>(header + 1);
            int opaque = 0, pink = 0, coloured = 0;
            for (int i = 0; i < size * size; ++i, pixel += 4) {
                const int b = pixel[0], g = pixel[1], r = pixel[2];
                opaque += pixel[3] >= 128;
                pink += pixel[3] >= 128 && r > g + 60 && r > b + 20;
                coloured += pixel[3] >= 128 && (abs(r - g) > 8 || abs(g - b) > 8);
            }
            EXPECT_GT(opaque, size * size / 4) << id << " at " << size;
            EXPECT_TRUE(id != IDI_VELINDRA || coloured == 0) << "the program's icon is grey";
            EXPECT_TRUE(id != IDI_VELINDRA_PINK || pink > size * size / 16) << "this one is pink";
        }
}

} // namespace
