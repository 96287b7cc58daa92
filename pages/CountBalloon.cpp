#include "pages/CountBalloon.h"

#include <commctrl.h>

#include <string>

#include "framework/TextCodec.h"
#include "lang/ProgramTexts.h"

namespace {

constexpr UINT kBalloonTime = 10000; // milliseconds
constexpr UINT_PTR kBalloonTimer = 1;

void CALLBACK HideBalloon(HWND tip, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(tip, timer);
    ::SendMessageW(tip, TTM_TRACKACTIVATE, FALSE, 0);
}

} // namespace

CountBalloon::~CountBalloon()
{
    if (tip_ && ::IsWindow(tip_))
        ::DestroyWindow(tip_);
}

bool CountBalloon::Correct(CSpinButtonCtrl& spin, CEdit& edit, const CycleCountRule& rule)
{
    if (!spin.IsWindow() || !edit.IsWindow())
        return false;
    const int answer = static_cast<int>(spin.GetPos());
    const int inUse = UsableCount(answer, rule);
    if (inUse == answer)
        return false;
    spin.SetPos(inUse);
    const CString text =
        texts_.Format(TextId::CountTipText, {std::to_string(rule.lowest),
                                             std::to_string(rule.highest), std::to_string(inUse)});
    Show(edit.m_hWnd, texts_.Format(TextId::CountTipTitle), text);
    return true;
}

void CountBalloon::Show(HWND edit, const CString& title, const CString& text)
{
    const std::wstring wideTitle = fw::Wide(title), wideText = fw::Wide(text);
    EDITBALLOONTIP balloon{sizeof(balloon), wideTitle.c_str(), wideText.c_str(), TTI_WARNING};
    if (::SendMessageW(edit, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&balloon)))
        return;
    HWND page = ::GetParent(edit);
    if (!tip_ || !::IsWindow(tip_))
        tip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_NOPREFIX | TTS_BALLOON | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                 page, nullptr, nullptr, nullptr);
    if (!tip_)
        return;
    Hide();
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE | TTF_IDISHWND;
    tool.hwnd = page;
    tool.uId = reinterpret_cast<UINT_PTR>(edit);
    tool.lpszText = const_cast<wchar_t*>(wideText.c_str());
    ::SendMessageW(tip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageW(tip_, TTM_SETTITLEW, TTI_WARNING, reinterpret_cast<LPARAM>(wideTitle.c_str()));
    RECT box{};
    ::GetWindowRect(edit, &box);
    ::SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM((box.left + box.right) / 2, box.bottom));
    ::SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    ::SetTimer(tip_, kBalloonTimer, kBalloonTime, &HideBalloon);
}

void CountBalloon::Hide()
{
    if (!tip_ || !::IsWindow(tip_))
        return;
    ::KillTimer(tip_, kBalloonTimer);
    ::SendMessageW(tip_, TTM_TRACKACTIVATE, FALSE, 0);
}
