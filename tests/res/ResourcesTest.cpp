// The tray menu, the pictures, the icons and the version record.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "model/AppIdentity.h"
#include "res/resource.h"

namespace {

// A DIB section of a bitmap resource, released on destruction.
struct Picture {
    HBITMAP bitmap = nullptr;
    DIBSECTION dib{};
    explicit Picture(int id)
    {
        bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                                 IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (bitmap && GetObjectA(bitmap, sizeof dib, &dib) != sizeof dib)
            dib = DIBSECTION{};
    }
    ~Picture()
    {
        if (bitmap)
            DeleteObject(bitmap);
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // Red, green and blue of a pixel, y counted from the top.
    COLORREF At(int x, int y) const
    {
        const BITMAP& b = dib.dsBm;
        int row = dib.dsBmih.biHeight > 0 ? b.bmHeight - 1 - y : y;
        const BYTE* p = static_cast<const BYTE*>(b.bmBits) + row * b.bmWidthBytes + x * 3;
        return RGB(p[2], p[1], p[0]);
    }
};

const COLORREF kSilver = RGB(192, 192, 192);

bool NearSilver(COLORREF c)
{
    return std::abs(GetRValue(c) - 192) <= 24 && std::abs(GetGValue(c) - 192) <= 24 &&
           std::abs(GetBValue(c) - 192) <= 24;
}

// The 32-bit pixels (b, g, r, a) of the icon image the system would pick for a size.
std::vector<BYTE> IconImage(int id, int size, BITMAPINFOHEADER& header)
{
    HRSRC group = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14));
    auto dir = group ? static_cast<BYTE*>(LockResource(LoadResource(nullptr, group))) : nullptr;
    if (!dir)
        return {};
    int entry = LookupIconIdFromDirectoryEx(dir, TRUE, size, size, LR_DEFAULTCOLOR);
    HRSRC image = FindResourceA(nullptr, MAKEINTRESOURCEA(entry), MAKEINTRESOURCEA(3));
    auto bytes = image ? static_cast<BYTE*>(LockResource(LoadResource(nullptr, image))) : nullptr;
    if (!bytes || SizeofResource(nullptr, image) < sizeof header)
        return {};
    memcpy(&header, bytes, sizeof header);
    size_t pixels = size_t(header.biWidth) * header.biWidth * 4;
    if (header.biBitCount != 32 || SizeofResource(nullptr, image) < sizeof header + pixels)
        return {};
    return std::vector<BYTE>(bytes + sizeof header, bytes + sizeof header + pixels);
}

// An export of a loaded library as a typed function pointer.
template <typename F> F Function(HMODULE library, const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

} // namespace

TEST(TrayMenu, OnePopupWithTheCommandsInOrder)
{
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAY_MENU));
    ASSERT_TRUE(menu != nullptr);
    ASSERT_EQ(1, GetMenuItemCount(menu));
    char title[32] = "";
    GetMenuStringA(menu, 0, title, sizeof title, MF_BYPOSITION);
    EXPECT_STREQ("-", title);
    HMENU popup = GetSubMenu(menu, 0);
    ASSERT_TRUE(popup != nullptr);
    struct Item {
        UINT id;
        const char* text; // null: a separator
    };
    const Item items[] = {{ID_MENU_OPEN, "Open..."},
                          {ID_MENU_HALFYEAR, "Half-Year..."},
                          {0, nullptr},
                          {ID_MENU_SCHEDULER, "Scheduler..."},
                          {ID_MENU_OPTIONS, "Options..."},
                          {0, nullptr},
                          {ID_MENU_WEBSITE, "Web-Site"},
                          {ID_MENU_ABOUT, "About"},
                          {0, nullptr},
                          {ID_MENU_EXIT, "Exit"}};
    ASSERT_EQ(int(std::size(items)), GetMenuItemCount(popup));
    for (int i = 0; i < int(std::size(items)); ++i) {
        SCOPED_TRACE("item " + std::to_string(i));
        char text[64] = "";
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = sizeof text;
        ASSERT_TRUE(GetMenuItemInfoA(popup, UINT(i), TRUE, &info));
        EXPECT_TRUE(info.hSubMenu == nullptr);
        EXPECT_EQ(items[i].text == nullptr, (info.fType & MFT_SEPARATOR) != 0);
        if (items[i].text) {
            EXPECT_EQ(items[i].id, info.wID);
            EXPECT_STREQ(items[i].text, text);
        }
    }
    DestroyMenu(menu);
}

TEST(Pictures, HaveTheirSizesAndDepthsAndTintablePicturesHaveNoRowFiller)
{
    struct Size {
        int id, width, height;
        bool tinted; // recoloured at run time: 24 bits, rows of exactly width x 3 bytes
        int bits;    // the pictures shown as they are may have a palette
    };
    const Size sizes[] = {
        {IDB_NAVIGATION, 128, 32, false, 24}, {IDB_MENU_ICONS, 16, 16, false, 24},
        {IDB_STRIPE, 76, 286, true, 24},      {IDB_QUICKLAUNCH, 240, 240, false, 8},
        {IDB_BANNER, 204, 67, false, 8},      {IDB_WIZARD, 100, 232, true, 24}};
    for (const Size& s : sizes) {
        SCOPED_TRACE("bitmap " + std::to_string(s.id));
        Picture p(s.id);
        ASSERT_TRUE(p.bitmap != nullptr);
        EXPECT_EQ(s.width, p.dib.dsBm.bmWidth);
        EXPECT_EQ(s.height, p.dib.dsBm.bmHeight);
        EXPECT_EQ(s.bits, p.dib.dsBm.bmBitsPixel);
        if (s.tinted) {
            EXPECT_EQ(s.width * 3, p.dib.dsBm.bmWidthBytes);
            // Only blue counts when tinted: it must carry a visible pattern.
            int low = 255, high = 0;
            for (int y = 0; y < s.height; ++y)
                for (int x = 0; x < s.width; ++x) {
                    int blue = GetBValue(p.At(x, y));
                    low = std::min(low, blue);
                    high = std::max(high, blue);
                }
            EXPECT_GE(high - low, 96);
        }
    }
}

TEST(Pictures, MaskedPicturesHaveSilverCornersAndNoSilverFringe)
{
    struct Strip {
        int id, cells, side;
    };
    for (const Strip& s : {Strip{IDB_NAVIGATION, 4, 32}, Strip{IDB_MENU_ICONS, 1, 16}}) {
        SCOPED_TRACE("bitmap " + std::to_string(s.id));
        Picture p(s.id);
        ASSERT_TRUE(p.bitmap != nullptr && p.dib.dsBm.bmBits != nullptr);
        for (int cell = 0; cell < s.cells; ++cell) {
            SCOPED_TRACE("cell " + std::to_string(cell));
            int x0 = cell * s.side, last = s.side - 1;
            EXPECT_EQ(kSilver, p.At(x0, 0));
            EXPECT_EQ(kSilver, p.At(x0 + last, last));
            int drawn = 0, fringe = 0;
            for (int y = 0; y < s.side; ++y)
                for (int x = x0; x < x0 + s.side; ++x) {
                    COLORREF c = p.At(x, y);
                    if (c == kSilver)
                        continue;
                    ++drawn;
                    bool edge = (x > x0 && p.At(x - 1, y) == kSilver) ||
                                (x < x0 + last && p.At(x + 1, y) == kSilver) ||
                                (y > 0 && p.At(x, y - 1) == kSilver) ||
                                (y < last && p.At(x, y + 1) == kSilver);
                    fringe += edge && NearSilver(c);
                }
            EXPECT_GT(drawn, s.side * s.side / 4) << "the cell is nearly empty";
            EXPECT_EQ(0, fringe) << "pixels next to the mask that look like it";
        }
    }
}

TEST(Icons, HaveTrue16And32PixelImagesInTheirColours)
{
    for (int id : {IDI_VELINDRA, IDI_VELINDRA_PINK, IDI_CRIT_PERIOD, IDI_CLEAR_PERIOD})
        for (int size : {16, 32}) {
            SCOPED_TRACE("icon " + std::to_string(id) + " at " + std::to_string(size));
            HICON icon = static_cast<HICON>(LoadImageA(
                GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
            ASSERT_TRUE(icon != nullptr);
            DestroyIcon(icon);
            BITMAPINFOHEADER header{};
            std::vector<BYTE> pixels = IconImage(id, size, header);
            ASSERT_FALSE(pixels.empty()) << "no 32-bit image of this size";
            EXPECT_EQ(size, header.biWidth);
            EXPECT_EQ(size * 2, header.biHeight); // colour and mask
            int opaque = 0, pink = 0, coloured = 0;
            for (size_t i = 0; i < pixels.size(); i += 4) {
                int b = pixels[i], g = pixels[i + 1], r = pixels[i + 2], a = pixels[i + 3];
                if (a < 128)
                    continue;
                ++opaque;
                pink += r > g + 60 && r > b + 20;
                coloured += std::abs(r - g) > 8 || std::abs(g - b) > 8;
            }
            EXPECT_GT(opaque, size * size / 4);
            if (id == IDI_VELINDRA) {
                EXPECT_EQ(0, coloured) << "the program's icon is black, white and grey";
            }
            if (id == IDI_VELINDRA_PINK) {
                EXPECT_GT(pink, size * size / 16) << "the alternate icon is pink";
            }
        }
}

TEST(VersionRecord, NamesTheProgramItsMakerAndVersion)
{
    HMODULE version = LoadLibraryA("version.dll");
    ASSERT_TRUE(version != nullptr);
    using SizeFn = DWORD(WINAPI*)(LPCSTR, LPDWORD);
    using InfoFn = BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID);
    using QueryFn = BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT);
    auto getSize = Function<SizeFn>(version, "GetFileVersionInfoSizeA");
    auto getInfo = Function<InfoFn>(version, "GetFileVersionInfoA");
    auto query = Function<QueryFn>(version, "VerQueryValueA");
    ASSERT_TRUE(getSize && getInfo && query);

    char path[MAX_PATH] = "";
    ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
    DWORD ignored = 0;
    DWORD size = getSize(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> data(size);
    ASSERT_TRUE(getInfo(path, 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(query(data.data(), "\\", reinterpret_cast<LPVOID*>(&fixed), &length));
    EXPECT_EQ(0x00010001u, fixed->dwFileVersionMS);
    EXPECT_EQ(0x00000001u, fixed->dwFileVersionLS);
    EXPECT_EQ(0x00010001u, fixed->dwProductVersionMS);
    EXPECT_EQ(0x00000001u, fixed->dwProductVersionLS);

    struct Value {
        const char* name;
        std::string text;
    };
    const Value values[] = {{"ProductName", velindra::kAppName},
                            {"FileDescription", velindra::kAppName},
                            {"InternalName", velindra::kAppName},
                            {"Comments", "Calculation of female critical days"},
                            {"CompanyName", velindra::kRegistryKeyName},
                            {"LegalCopyright", velindra::kNoticeLine},
                            {"OriginalFilename", "velindra.exe"},
                            {"FileVersion", "1.1.0.1"},
                            {"ProductVersion", "1.1.0.1"}};
    for (const Value& v : values) {
        std::string key = std::string("\\StringFileInfo\\040904b0\\") + v.name;
        char* text = nullptr;
        ASSERT_TRUE(query(data.data(), key.c_str(), reinterpret_cast<LPVOID*>(&text), &length))
            << v.name;
        EXPECT_EQ(v.text, text) << v.name;
    }
    FreeLibrary(version);
}
