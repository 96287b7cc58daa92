#include "model/HalfYear.h"

COleDateTime MonthOfHalfYear(const COleDateTime& anchor, int index)
{
    COleDateTime month = anchor;
    if (anchor.GetStatus() != COleDateTime::valid || index < 0 || index >= kHalfYearMonths) {
        month.SetStatus(COleDateTime::invalid);
        return month;
    }
    const int first = anchor.GetMonth() > kHalfYearMonths ? kHalfYearMonths + 1 : 1;
    return COleDateTime(anchor.GetYear(), first + index, 1, 0, 0, 0);
}

COleDateTime StepHalfYear(const COleDateTime& anchor, int step)
{
    static const COleDateTime earliest(1974, 1, 1, 1, 1, 1); // to be stepped back from
    static const COleDateTime beyond(9999, 7, 1, 0, 0, 0);   // nothing from here on
    COleDateTime to = fw::AddMonths(anchor, step < 0 ? -kHalfYearMonths : kHalfYearMonths);
    const bool refused = step < 0 ? !(anchor > earliest) : !(to < beyond);
    if (refused)
        to.SetStatus(COleDateTime::invalid);
    return to;
}
