#include "ui/IconMenu.h"

#include <algorithm>
#include <new>
#include <utility>

#include "framework/TextCodec.h"
#include "ui/Drawing.h"
#include "ui/HighContrast.h"
#include "ui/ScaledPicture.h"

namespace {

constexpr UINT kCheckMarkBitmap = 32760; // OBM_CHECK, the system check mark
constexpr COLORREF kCheckMarkMask = RGB(255, 255, 255);
constexpr int kAcceleratorGap = 10;

bool IsPopupId(UINT id)
{
    return id == UINT(-1) || id == 0xFFFF;
}

bool ReadTypeAndData(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOW* info)
{
    *info = MENUITEMINFOW{};
    info->cbSize = sizeof(*info);
    info->fMask = MIIM_FTYPE | MIIM_DATA;
    return ::GetMenuItemInfoW(menu, item, byPosition, info) != FALSE;
}

void SetItemData(HMENU menu, int position, ULONG_PTR data)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    info.dwItemData = data;
    ::SetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
}

COLORREF SystemColor(int index)
{
    return ::GetSysColor(index);
}

} // namespace

bool SplitMenuText(const std::string& text, std::string* textPart, std::string* accelerator)
{
    size_t tab = text.find('\t');
    *textPart = text.substr(0, tab);
    *accelerator = tab == std::string::npos ? std::string() : text.substr(tab + 1);
    return !accelerator->empty();
}

IconMenu::IconMenu()
{
    CreateColours();
    CreateScaledObjects();
}

void IconMenu::CreateColours()
{
    if (IsHighContrast()) {
        CreateHighContrastColours();
        return;
    }
    COLORREF g = LightenColor(SystemColor(COLOR_BTNFACE), 0.16);
    COLORREF highlight = SystemColor(COLOR_HIGHLIGHT);
    COLORREF selection = LightenColor(highlight, 0.7);
    separatorColor_ = DarkenColor(g, 0.18);
    gutterColor_ = g;
    gutterBrush_.CreateSolidBrush(g);
    selectedTextColor_ = SystemColor(COLOR_MENUTEXT);
    selectionBrush_.CreateSolidBrush(selection);
    textColor_ = SystemColor(COLOR_MENUTEXT);
    menuBrush_.CreateSolidBrush(SystemColor(COLOR_MENU));
    disabledPictureBrush_.CreateSolidBrush(DarkenColor(g, 0.25));
    shadowBrush_.CreateSolidBrush(DarkenColor(selection, 0.25));
    checkBrush_.CreateSolidBrush(LightenColor(highlight, 0.85));
    selectedCheckBrush_.CreateSolidBrush(LightenColor(highlight, 0.5));
}

// The menu colours throughout, the selection in the highlight colours
// (without a shadow under its picture), greyed items and separators in the
// grey text colour.
void IconMenu::CreateHighContrastColours()
{
    const COLORREF menu = SystemColor(COLOR_MENU);
    const COLORREF highlight = SystemColor(COLOR_HIGHLIGHT);
    separatorColor_ = SystemColor(COLOR_GRAYTEXT);
    gutterColor_ = menu;
    gutterBrush_.CreateSolidBrush(menu);
    selectedTextColor_ = SystemColor(COLOR_HIGHLIGHTTEXT);
    selectionBrush_.CreateSolidBrush(highlight);
    textColor_ = SystemColor(COLOR_MENUTEXT);
    menuBrush_.CreateSolidBrush(menu);
    disabledPictureBrush_.CreateSolidBrush(separatorColor_);
    shadowBrush_.CreateSolidBrush(highlight);
    checkBrush_.CreateSolidBrush(menu);
    selectedCheckBrush_.CreateSolidBrush(highlight);
}

void IconMenu::ApplySystemColours()
{
    CreateColours();
    CreateScaledObjects();
    for (int position = 0; position < GetMenuItemCount(); ++position) {
        IconMenuItem* record = RecordAt(position);
        if (record && record->submenu)
            record->submenu->ApplySystemColours();
    }
}

IconMenu::~IconMenu()
{
    ReleaseIconMenu();
    // The pens, brushes and fonts go with their members; ~CMenu destroys a
    // menu still held.
}

void IconMenu::SetDpi(int dpi)
{
    if (dpi == dpi_.Value())
        return;
    dpi_ = fw::Dpi(dpi);
    CreateScaledObjects();
}

void IconMenu::CreateScaledObjects()
{
    const int line = dpi_(1);
    gutterPen_.CreatePen(PS_INSIDEFRAME, line, gutterColor_);
    selectionPen_.CreatePen(PS_INSIDEFRAME, line, SystemColor(COLOR_HIGHLIGHT));
    menuPen_.CreatePen(PS_INSIDEFRAME, line, SystemColor(COLOR_MENU));
    CreateShellFont(font_, dpi_.Value());
    CreateShellFont(boldFont_, dpi_.Value(), FW_BOLD);
}

int IconMenu::BuildIconMenu(UINT bitmapId, COLORREF mask, int dpi)
{
    if (built_ || !m_hMenu || !::IsMenu(m_hMenu) || images_ || checkImages_)
        return built_;
    SetDpi(dpi);
    if (!LoadPictures(bitmapId, mask) || !LoadCheckMark()) {
        // A stop leaves the object as it was, ready for another attempt.
        ownImages_.reset();
        ownChecks_.reset();
        images_ = nullptr;
        checkImages_ = nullptr;
        imageSize_ = 0;
        return built_;
    }
    owner_ = this;
    built_ = ConvertItems() ? 1 : 0;
    return built_;
}

bool IconMenu::LoadPictures(UINT bitmapId, COLORREF mask)
{
    CBitmap bitmap;
    BITMAP info{};
    const bool loaded = dpi_.IsDefault() ? bitmap.LoadBitmap(bitmapId)
                                         : bitmap.Attach(LoadScaledBitmap(bitmapId, dpi_.Value()));
    if (!loaded || !bitmap.GetBitmap(&info) || info.bmHeight <= 0)
        return false;
    imageSize_ = info.bmHeight;
    std::unique_ptr<CImageList> list(new (std::nothrow) CImageList);
    if (!list || !list->Create(imageSize_, imageSize_, ILC_COLOR24 | ILC_MASK, 0, 0))
        return false;
    list->Add(bitmap, mask);
    if (list->GetImageCount() <= 0)
        return false;
    ownImages_ = std::move(list);
    images_ = ownImages_.get();
    return true;
}

bool IconMenu::LoadCheckMark()
{
    const CBitmap mark(static_cast<HBITMAP>(::LoadImageW(
        nullptr, MAKEINTRESOURCEW(kCheckMarkBitmap), IMAGE_BITMAP, 0, 0, LR_DEFAULTSIZE)));
    BITMAP info{};
    if (!mark.GetBitmap(&info) || info.bmWidth <= 0)
        return false;
    std::unique_ptr<CImageList> list(new (std::nothrow) CImageList);
    if (!list || !list->Create(nullptr, kCheckMarkBitmap, info.bmWidth, 0, kCheckMarkMask))
        return false;
    if (list->GetImageCount() != 1)
        return false;
    list->SetBkColor(CLR_NONE);
    ownChecks_ = std::move(list);
    checkImages_ = ownChecks_.get();
    return true;
}

bool IconMenu::ConvertItems()
{
    if (!m_hMenu || !::IsMenu(m_hMenu))
        return false;
    for (int position = 0; position < GetMenuItemCount(); ++position) {
        UINT id = GetMenuItemID(position);
        std::string text = GetMenuString(static_cast<UINT>(position), MF_BYPOSITION);
        if (IsPopupId(id)) {
            ConvertPopup(position, std::move(text));
            continue;
        }
        IconMenuItem* record = new (std::nothrow) IconMenuItem;
        if (!record)
            continue;
        record->text = std::move(text);
        if (!AttachItemRecord(position, record))
            delete record;
    }
    return true;
}

// A popup item gets a sub-object of its own, bound to its submenu, so that
// the items of that submenu are measured and drawn by it.
bool IconMenu::ConvertPopup(int position, std::string text)
{
    HMENU submenu = GetSubMenu(position);
    std::unique_ptr<IconMenu> object(new (std::nothrow) IconMenu);
    IconMenuItem* record = new (std::nothrow) IconMenuItem;
    if (!object || !record || !submenu || !object->Attach(submenu)) {
        if (object)
            object->Detach();
        delete record;
        return false;
    }
    object->built_ = 1;
    object->SetDpi(dpi_.Value());
    object->owner_ = owner_;
    object->images_ = images_;
    object->checkImages_ = checkImages_;
    object->imageSize_ = imageSize_;
    object->MeasureTexts();
    IconMenu* sub = object.get();
    record->text = std::move(text);
    record->submenu = std::move(object);
    if (!AttachItemRecord(position, record)) {
        // The submenu stays with the menu that holds it.
        record->submenu->Detach();
        delete record;
        return false;
    }
    sub->ConvertItems();
    return true;
}

void IconMenu::MeasureTexts()
{
    textWidth_ = 0;
    acceleratorOffset_ = 0;
    int widestAccelerator = 0;
    for (int position = 0; position < GetMenuItemCount(); ++position) {
        std::string text = GetMenuString(static_cast<UINT>(position), MF_BYPOSITION);
        if (text.empty())
            continue;
        UINT state = ::GetMenuState(m_hMenu, static_cast<UINT>(position), MF_BYPOSITION);
        HFONT font = (state & MFS_DEFAULT) ? boldFont_ : font_;
        std::string part;
        std::string accelerator;
        if (SplitMenuText(text, &part, &accelerator))
            widestAccelerator = std::max(widestAccelerator, GetTextWidth(font, accelerator));
        textWidth_ = std::max(textWidth_, GetTextWidth(font, part));
    }
    if (widestAccelerator > 0) {
        acceleratorOffset_ = textWidth_ + dpi_(kAcceleratorGap);
        textWidth_ += widestAccelerator + dpi_(kAcceleratorGap);
    }
}

// The record goes into the item's data. Below the top level the item becomes
// owner-drawn; a separator keeps its separator type as well, so that the
// keyboard passes over it and a click on it chooses nothing.
bool IconMenu::AttachItemRecord(int position, IconMenuItem* record)
{
    if (position < 0 || position >= GetMenuItemCount())
        return false;
    record->accessibleText = fw::Wide(record->text);
    record->accessible.cchWText = static_cast<DWORD>(record->accessibleText.size());
    record->accessible.pszWText =
        record->accessibleText.empty() ? nullptr : &record->accessibleText[0];
    MENUITEMINFOW old{};
    if (!ReadTypeAndData(m_hMenu, static_cast<UINT>(position), TRUE, &old))
        return false;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(record);
    if (!IsOwnOwner()) {
        info.fMask |= MIIM_FTYPE;
        info.fType = MFT_OWNERDRAW | (old.fType & MFT_SEPARATOR);
    }
    return ::SetMenuItemInfoW(m_hMenu, static_cast<UINT>(position), TRUE, &info) != FALSE;
}

IconMenuItem* IconMenu::RecordAt(int position) const
{
    MENUITEMINFOW info{};
    if (!m_hMenu || !ReadTypeAndData(m_hMenu, static_cast<UINT>(position), TRUE, &info))
        return nullptr;
    if (!(info.fType & MFT_OWNERDRAW) && !IsOwnOwner())
        return nullptr;
    return reinterpret_cast<IconMenuItem*>(info.dwItemData);
}

const IconMenuItem* IconMenu::GetItemRecord(int position) const
{
    return RecordAt(position);
}

IconMenuItem* IconMenu::FindCommandRecord(UINT commandId) const
{
    MENUITEMINFOW info{};
    if (!m_hMenu || !ReadTypeAndData(m_hMenu, commandId, FALSE, &info))
        return nullptr;
    if (!(info.fType & MFT_OWNERDRAW))
        return nullptr;
    return reinterpret_cast<IconMenuItem*>(info.dwItemData);
}

// The item data of a drawing request, trusted only when an item of this
// menu carries it.
IconMenuItem* IconMenu::FindOwnRecord(ULONG_PTR data) const
{
    if (!data)
        return nullptr;
    for (int position = 0; position < GetMenuItemCount(); ++position) {
        IconMenuItem* record = RecordAt(position);
        if (record && reinterpret_cast<ULONG_PTR>(record) == data)
            return record;
    }
    return nullptr;
}

void IconMenu::SetItemImage(UINT commandId, int picture)
{
    if (!built_)
        return;
    if (IconMenuItem* record = FindCommandRecord(commandId))
        record->image = picture + 1;
}

int IconMenu::GetItemImage(UINT commandId) const
{
    const IconMenuItem* record = FindCommandRecord(commandId);
    return record ? record->image : 0;
}

void IconMenu::MeasureItem(MEASUREITEMSTRUCT* item)
{
    if (!item)
        return;
    if (item->itemID == 0) {
        item->itemHeight = static_cast<UINT>(dpi_(3));
        return;
    }
    item->itemWidth = static_cast<UINT>(textWidth_ + imageSize_ + dpi_(21));
    item->itemHeight = static_cast<UINT>(imageSize_ + dpi_(6));
}

void IconMenu::ReleaseIconMenu()
{
    if (!IsOwnOwner())
        return;
    built_ = 0;
    RestoreItems();
    images_ = nullptr;
    checkImages_ = nullptr;
    ownImages_.reset();
    ownChecks_.reset();
    owner_ = nullptr;
    DestroyMenu();
}

void IconMenu::RestoreItems()
{
    for (int position = 0; position < GetMenuItemCount(); ++position) {
        IconMenuItem* record = RecordAt(position);
        if (!record)
            continue;
        if (IconMenu* sub = record->submenu.get()) {
            sub->RestoreItems();
            // The submenu is destroyed once, with the menu that holds it.
            sub->Detach();
            record->submenu.reset();
        }
        FreeItemRecord(position);
    }
}

void IconMenu::FreeItemRecord(int position)
{
    delete RecordAt(position);
    SetItemData(m_hMenu, position, 0);
}
