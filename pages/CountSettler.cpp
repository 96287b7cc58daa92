#include "pages/CountSettler.h"

void CountSettler::Changed(HWND page)
{
    balloon_.Hide();
    if (!loading_)
        change_.Begin(page);
}

bool CountSettler::Left(HWND page, size_t box)
{
    if (!::IsWindowVisible(page) || box >= boxes_.size())
        return false;
    balloon_.Correct(boxes_[box].spin, boxes_[box].edit, boxes_[box].rule);
    return true;
}

bool CountSettler::PauseEnded(HWND page) const
{
    ::KillTimer(page, SettlingChange::kPauseTimer);
    for (const Box& box : boxes_)
        if (!IsUsableCount(static_cast<int>(box.spin.GetPos()), box.rule))
            return false;
    return true;
}

bool CountSettler::Take(HWND page)
{
    if (!::IsWindow(page) || !change_.Take(page))
        return false;
    const Loading quietly(*this);
    for (const Box& box : boxes_)
        if (!IsUsableCount(static_cast<int>(box.spin.GetPos()), box.rule))
            box.spin.SetPos(box.rule.fallback);
    return true;
}
