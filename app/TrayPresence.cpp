// The notification icon, its menu and the reminder. The periods announced
// are stored, so that a restart, another start, a change of language or of
// the clock does not repeat one.
#include "app/TrayPresence.h"

#include "app/StandingTexts.h"
#include "framework/Dpi.h"
#include "framework/Module.h"
#include "framework/Wnd.h"
#include "lang/LanguageManager.h"
#include "model/AppIdentity.h"
#include "model/Reminder.h"
#include "model/Settings.h"
#include "model/StoredCycle.h"
#include "res/resource.h"
#include "ui/Drawing.h"

namespace {

constexpr COLORREF kImageMask = RGB(192, 192, 192);

CIcon LoadTrayIcon(UINT id, UINT flags)
{
    return CIcon(static_cast<HICON>(
        ::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id), IMAGE_ICON, 16, 16, flags)));
}

} // namespace

void TrayPresence::Add(CWnd* window, const DayStanding& standing)
{
    window_ = window;
    const UINT flags = IsWindowsVersion5OrLater() ? 0 : LR_VGACOLOR;
    normal_ = LoadTrayIcon(IDI_VELINDRA, flags);
    pink_ = LoadTrayIcon(IDI_VELINDRA_PINK, flags);
    icon_.AddIcon(window, TipText(language_, standing), normal_, pink_);
    icon_.SetState(StateFor(standing));
}

HICON TrayPresence::GetIcon(TrayIcon::State state) const
{
    return state == TrayIcon::StateAlternate ? pink_ : normal_;
}

// Pink on a critical day when the user wants it so, by the marking rule
// itself: also on a day no calendar can show.
TrayIcon::State TrayPresence::StateFor(const DayStanding& standing) const
{
    const bool pink =
        standing.kind == DayStanding::Critical && settings_.ReadDword(SettingCritRed) != 0;
    return pink ? TrayIcon::StateAlternate : TrayIcon::StateNormal;
}

// Translated before the icon menu takes its items over (the translation
// leaves items alone that the icon menu has converted).
void TrayPresence::LoadMenu()
{
    if (menu_.GetSafeHmenu()) {
        menu_.ReleaseIconMenu();
        // A menu that was never built is not released by the icon menu.
        menu_.DestroyMenu();
    }
    if (!menu_.LoadMenu(IDR_TRAY_MENU))
        return;
    language_.TranslateMenu(true, &menu_, IDR_TRAY_MENU);
    menu_.BuildIconMenu(IDB_MENU_ICONS, kImageMask,
                        fw::WindowDpi(window_ ? window_->m_hWnd : nullptr));
    menu_.SetItemImage(ID_MENU_OPEN, 0);
}

void TrayPresence::Tell(const DayStanding& standing)
{
    icon_.SetState(StateFor(standing));
    icon_.SetTip(TipText(language_, standing));
    RemindIfDue(standing);
}

void TrayPresence::RemindIfDue(const DayStanding& standing)
{
    AnnouncedPeriods announced = ReadAnnouncedPeriods(settings_);
    const ReminderDecision decision =
        DecideReminder(standing, ReadReminderSettings(settings_), announced,
                       reminderShown_ ? &remindedStart_ : nullptr);
    if (decision.withdraw) {
        icon_.HideNotification(); // its date no longer holds
        reminderShown_ = false;
    }
    if (!decision.show)
        return;
    // A window waits for an answer: the reminder comes when it closes.
    if (reminderHolds_ > 0 || !window_ || !window_->IsWindow() ||
        !::IsWindowEnabled(window_->m_hWnd))
        return;
    // Without a notification area it comes when the icon is added again.
    if (!icon_.ShowNotification(velindra::kAppName, ReminderText(language_, standing)))
        return;
    announced.Add(PeriodDay(decision.firstDay));
    StoreAnnouncedPeriods(settings_, announced);
    reminderShown_ = true;
    remindedStart_ = decision.firstDay;
}

void TrayPresence::RemindIfDueToday()
{
    RemindIfDue(StandingWithRecord(stored_, clock_.Now()));
}

void TrayPresence::HoldReminder(bool hold)
{
    reminderHolds_ += hold ? 1 : -1;
    if (reminderHolds_ == 0)
        RemindIfDueToday();
}

void TrayPresence::OnWindowEnabled()
{
    RemindIfDueToday();
}

void TrayPresence::OnShellRestarted()
{
    if (icon_.AddAgain())
        RemindIfDueToday();
}

void TrayPresence::OnNotify(UINT mouse)
{
    if (mouse == NIN_BALLOONUSERCLICK) {
        OnReminderClick();
        return;
    }
    if (mouse != WM_LBUTTONDOWN && mouse != WM_RBUTTONDOWN)
        return;
    // While a window of the program waits for an answer, a click leads to it.
    if (owner_.BringOpenModalToFront())
        return;
    if (mouse == WM_LBUTTONDOWN)
        owner_.OpenMonitor(nullptr);
    else if (window_ && !window_->IsWindowVisible())
        ShowMenu();
}

// The Monitor page on the month the reminder announced.
void TrayPresence::OnReminderClick()
{
    if (owner_.BringOpenModalToFront())
        return;
    owner_.OpenMonitor(reminderShown_ ? &remindedStart_ : nullptr);
    if (window_)
        ::SetForegroundWindow(window_->m_hWnd);
}

// The pop-up menu at the cursor, "Open..." in bold. The owner is made the
// foreground window first and gets an empty message afterwards, so that the
// menu closes when the user clicks elsewhere.
void TrayPresence::ShowMenu()
{
    POINT cursor{};
    ::GetCursorPos(&cursor);
    HMENU popup = menu_.GetSubMenu(0);
    if (!popup || !window_)
        return;
    ::SetMenuDefaultItem(popup, 0, TRUE);
    HWND owner = window_->m_hWnd;
    while (owner && (::GetWindowLongPtrW(owner, GWL_STYLE) & WS_CHILD))
        owner = ::GetParent(owner);
    ::SetForegroundWindow(owner);
    CWnd* ownerObject = CWnd::FromHandlePermanent(owner);
    CMenu* object = CMenu::FromHandlePermanent(popup);
    if (object && ownerObject)
        object->TrackPopupMenu(TPM_RIGHTBUTTON, cursor.x, cursor.y, ownerObject);
    else
        ::TrackPopupMenu(popup, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, owner, nullptr);
    ::PostMessageW(owner, WM_NULL, 0, 0);
    if (owner_.IsEnding()) // asked to end while the menu was open
        ::PostQuitMessage(0);
}
