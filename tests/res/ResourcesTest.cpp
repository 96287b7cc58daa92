// What the pictures and the version record must be beyond what the windows
// show of them: masked pictures that leave no silver fringe, icons drawn at
// 16 and 32 pixels in their colours, and a version record that agrees with
// itself and names the program as the program names itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "model/AppIdentity.h"
#include "res/resource.h"

namespace {

// The masked strips: every cell has silver corners and is mostly drawn, and
// no drawn pixel beside the mask is nearly silver (a grey fringe on any other
// background).
TEST(Pictures, MaskedCellsHaveSilverCornersAndNoSilverFringe)
{
    const struct {
        int id, cells, side;
    } strips[] = {{IDB_NAVIGATION, 4, 32}, {IDB_MENU_ICONS, 1, 16}};
    for (const auto& s : strips) {
        HBITMAP bitmap = static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(s.id), IMAGE_BITMAP, 0, 0, 0));
        ASSERT_TRUE(bitmap != nullptr) << s.id;
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        auto silver = [&](int x, int y) { return GetPixel(dc, x, y) == RGB(192, 192, 192); };
        for (int x0 = 0; x0 < s.cells * s.side; x0 += s.side) {
            const int last = x0 + s.side - 1;
            EXPECT_TRUE(silver(x0, 0) && silver(last, s.side - 1)) << s.id << " at " << x0;
            int drawn = 0, fringe = 0;
            for (int y = 0; y < s.side; ++y)
                for (int x = x0; x <= last; ++x) {
                    if (silver(x, y))
                        continue;
                    ++drawn;
                    const bool edge =
                        (x > x0 && silver(x - 1, y)) || (x < last && silver(x + 1, y)) ||
                        (y > 0 && silver(x, y - 1)) || (y + 1 < s.side && silver(x, y + 1));
                    const COLORREF c = GetPixel(dc, x, y);
                    fringe += edge && abs(GetRValue(c) - 192) <= 24 &&
                              abs(GetGValue(c) - 192) <= 24 && abs(GetBValue(c) - 192) <= 24;
                }
            EXPECT_GT(drawn, s.side * s.side / 4) << s.id << " at " << x0;
            EXPECT_EQ(0, fringe) << s.id << " at " << x0;
        }
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
            ASSERT_EQ(size, header->biWidth) << id;
            ASSERT_EQ(32, header->biBitCount) << id;
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

// The numbers and the texts of the version record are one version, and the
// texts name the program and its maker as the program itself does.
TEST(VersionRecord, AgreesWithItselfAndWithTheProgramsIdentity)
{
    HMODULE library = LoadLibraryA("version.dll");
    auto getInfo = reinterpret_cast<decltype(&GetFileVersionInfoA)>(
        reinterpret_cast<void*>(GetProcAddress(library, "GetFileVersionInfoA")));
    auto query = reinterpret_cast<decltype(&VerQueryValueA)>(
        reinterpret_cast<void*>(GetProcAddress(library, "VerQueryValueA")));
    ASSERT_TRUE(getInfo && query);
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string data(8192, '\0');
    ASSERT_TRUE(getInfo(path, 0, static_cast<DWORD>(data.size()), &data[0]));
    UINT length = 0;
    auto value = [&](const char* name) {
        char* text = nullptr;
        query(data.data(), (std::string("\\StringFileInfo\\040904b0\\") + name).c_str(),
              reinterpret_cast<LPVOID*>(&text), &length);
        return std::string(text ? text : "<missing>");
    };
    VS_FIXEDFILEINFO* fixed = nullptr;
    ASSERT_TRUE(query(data.data(), "\\", reinterpret_cast<LPVOID*>(&fixed), &length));
    char version[64];
    std::snprintf(version, sizeof(version), "%lu.%lu.%lu.%lu", fixed->dwFileVersionMS >> 16,
                  fixed->dwFileVersionMS & 0xFFFF, fixed->dwFileVersionLS >> 16,
                  fixed->dwFileVersionLS & 0xFFFF);
    EXPECT_EQ(version, value("FileVersion"));
    EXPECT_EQ(version, value("ProductVersion"));
    for (const char* name : {"ProductName", "FileDescription", "InternalName"})
        EXPECT_EQ(velindra::kAppName, value(name)) << name;
    EXPECT_EQ(velindra::kRegistryKeyName, value("CompanyName"));
    EXPECT_EQ(velindra::kNoticeLine, value("LegalCopyright"));
    EXPECT_EQ("velindra.exe", value("OriginalFilename"));
    FreeLibrary(library);
}

} // namespace
