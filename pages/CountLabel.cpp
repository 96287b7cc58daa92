#include "pages/CountLabel.h"

#include <cstdio>

#include "framework/WindowText.h"

void CountLabel::Attach(HWND page)
{
    label_ = ::GetDlgItem(page, labelId_);
    builtIn_ = fw::GetWindowText(label_);
}

void CountLabel::Show(int count)
{
    if (!label_)
        return;
    if (section_.empty())
        return;
    char key[24];
    std::snprintf(key, sizeof(key), "ID_%d", labelId_);
    fw::SetWindowText(label_, texts_.CountedText(section_, key, count, builtIn_, builtInOne_));
}
