#include "tools/bench/bare/Templates.h"

namespace {

void AppendText(std::vector<WORD>& words, const wchar_t* text)
{
    for (; *text; ++text)
        words.push_back(static_cast<WORD>(*text));
    words.push_back(0);
}

} // namespace

std::vector<WORD> DialogTemplate(DWORD style, short cx, short cy, const wchar_t* caption)
{
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    DLGTEMPLATE header{};
    header.style = style | DS_SETFONT;
    header.cx = cx;
    header.cy = cy;
    CopyMemory(words.data(), &header, sizeof(header));
    words.push_back(0); // no menu
    words.push_back(0); // the predefined dialog class
    AppendText(words, caption);
    words.push_back(8); // point size
    AppendText(words, L"MS Sans Serif");
    return words;
}
