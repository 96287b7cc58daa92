#include "lang/LanguageManager.h"

#include "tests/lang/LanguageFolder.h"

namespace {

// Owns a menu shaped like the program's: one popup "-" holding the commands.
class TestMenu {
public:
    TestMenu()
    {
        HMENU more = CreatePopupMenu();
        AppendMenuA(more, MF_STRING, 32775, "&Wizard...");
        HMENU startsWithSeparator = CreatePopupMenu();
        AppendMenuA(startsWithSeparator, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(startsWithSeparator, MF_STRING, 32776, "&Hide");
        commands_ = CreatePopupMenu();
        AppendMenuA(commands_, MF_STRING, 32771, "Open...\tCtrl+O");
        AppendMenuA(commands_, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(commands_, MF_POPUP, reinterpret_cast<UINT_PTR>(more), "&More\tM");
        AppendMenuA(commands_, MF_POPUP, reinterpret_cast<UINT_PTR>(startsWithSeparator), "Window");
        AppendMenuA(commands_, MF_STRING, 32774, "...");
        AppendMenuA(commands_, MF_STRING, 32777, "E&xit");
        menu_ = CreateMenu();
        AppendMenuA(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(commands_), "-");
    }
    ~TestMenu() { DestroyMenu(menu_); }
    TestMenu(const TestMenu&) = delete;
    TestMenu& operator=(const TestMenu&) = delete;

    HMENU Get() const { return menu_; }
    HMENU Commands() const { return commands_; }

    std::string Text(HMENU menu, int position) const
    {
        char text[256] = {};
        GetMenuStringA(menu, position, text, sizeof(text), MF_BYPOSITION);
        return text;
    }

private:
    HMENU menu_;
    HMENU commands_;
};

const char kGerman[] = "[MenuID_134]\r\nID_32771=Oeffnen...\r\nSubID_32775=Me&hr\r\n"
                       "ID_32777=Beenden\r\nID_32774=Punkte\r\n";

} // namespace

class MenuTranslationTest : public LanguageFolderTest {};

TEST_F(MenuTranslationTest, ExportWritesTheTextsBeforeTheFirstTab)
{
    LanguageManager manager;
    manager.SetLanguage("english");
    TestMenu menu;
    EXPECT_TRUE(manager.TranslateMenu(true, menu.Get(), 134));
    EXPECT_EQ("ID_32771=Open...",
              manager.ReadString("MenuID_134", "ID_32771").insert(0, "ID_32771="));
    EXPECT_EQ("&More", manager.ReadString("MenuID_134", "SubID_32775"));
    EXPECT_EQ("&Wizard...", manager.ReadString("MenuID_134", "ID_32775"));
    EXPECT_EQ("&Hide", manager.ReadString("MenuID_134", "ID_32776"));
    EXPECT_EQ("E&xit", manager.ReadString("MenuID_134", "ID_32777"));
    const std::string english = English();
    EXPECT_EQ(std::string::npos, english.find("Window")) << "submenu starts with a separator";
    EXPECT_EQ(std::string::npos, english.find("ID_32774")) << "\"...\" has nothing to translate";
    EXPECT_EQ(std::string::npos, english.find("=-")) << "the popup \"-\" is never written";
    EXPECT_EQ(std::string::npos, english.find("Ctrl+O"));

    EXPECT_EQ("Open...\tCtrl+O", menu.Text(menu.Commands(), 0));
    EXPECT_EQ("-", menu.Text(menu.Get(), 0));
}

TEST_F(MenuTranslationTest, TranslatesCommandsAndPopupsKeepingSuffixesAndSubmenus)
{
    folder.Write("german.lng", kGerman);
    LanguageManager manager;
    manager.SetLanguage("german");
    TestMenu menu;
    EXPECT_TRUE(manager.TranslateMenu(false, menu.Get(), 134));

    HMENU commands = menu.Commands();
    EXPECT_EQ("Oeffnen...\tCtrl+O", menu.Text(commands, 0));
    EXPECT_EQ(32771u, GetMenuItemID(commands, 0));
    EXPECT_EQ("Me&hr\tM", menu.Text(commands, 2));
    HMENU more = GetSubMenu(commands, 2);
    ASSERT_TRUE(more != nullptr);
    EXPECT_EQ("&Wizard...", menu.Text(more, 0)) << "no translation: built-in text stays";
    EXPECT_EQ("Window", menu.Text(commands, 3));
    EXPECT_TRUE(GetSubMenu(commands, 3) != nullptr);
    EXPECT_EQ("...", menu.Text(commands, 4));
    EXPECT_EQ("Beenden", menu.Text(commands, 5));
    EXPECT_EQ(32777u, GetMenuItemID(commands, 5));
    EXPECT_FALSE(folder.Exists("english.lng") && English().find("MenuID") != std::string::npos)
        << "no export without the flag";
    EXPECT_EQ(kGerman, folder.Read("german.lng"));
}

TEST_F(MenuTranslationTest, ItemsCarryingItemDataAreLeftAlone)
{
    folder.Write("german.lng", kGerman);
    LanguageManager manager;
    manager.SetLanguage("german");
    TestMenu menu;
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    info.dwItemData = 7;
    SetMenuItemInfoA(menu.Commands(), 5, TRUE, &info);
    SetMenuItemInfoA(menu.Commands(), 2, TRUE, &info);

    EXPECT_TRUE(LanguageManager::HasNoItemData(menu.Commands(), 0));
    EXPECT_FALSE(LanguageManager::HasNoItemData(menu.Commands(), 5));
    EXPECT_FALSE(LanguageManager::HasNoItemData(menu.Commands(), 99)) << "no such item";

    EXPECT_TRUE(manager.TranslateMenu(true, menu.Get(), 134));
    EXPECT_EQ("E&xit", menu.Text(menu.Commands(), 5));
    EXPECT_EQ("&More\tM", menu.Text(menu.Commands(), 2));
    EXPECT_EQ("&Wizard...", menu.Text(GetSubMenu(menu.Commands(), 2), 0))
        << "a popup carrying data is not descended into";
    EXPECT_EQ(std::string::npos, English().find("ID_32777"));
    EXPECT_EQ("Oeffnen...\tCtrl+O", menu.Text(menu.Commands(), 0));
}

TEST_F(MenuTranslationTest, NothingHappensWithoutLanguageOrMenu)
{
    LanguageManager manager;
    TestMenu menu;
    EXPECT_FALSE(manager.TranslateMenu(true, menu.Get(), 134));
    EXPECT_FALSE(folder.Exists("english.lng"));
    manager.SetLanguage("english");
    EXPECT_FALSE(manager.TranslateMenu(true, static_cast<HMENU>(nullptr), 134));
    EXPECT_FALSE(manager.TranslateMenu(true, reinterpret_cast<HMENU>(0x1234), 134));
}
