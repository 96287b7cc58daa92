#include "tests/lang/DialogTemplate.h"

#include <cstring>

namespace {

const size_t kHeaderWords = sizeof(DLGTEMPLATE) / sizeof(WORD);
const size_t kItemWords = sizeof(DLGITEMTEMPLATE) / sizeof(WORD);

} // namespace

DialogTemplate::DialogTemplate(const std::string& caption, DWORD style, short cx, short cy)
{
    words_.resize(kHeaderWords, 0);
    DLGTEMPLATE header = {};
    header.style = style | DS_SETFONT;
    header.cx = cx;
    header.cy = cy;
    std::memcpy(words_.data(), &header, sizeof(header));
    words_.push_back(0); // no menu
    words_.push_back(0); // default class
    Text(caption);
    words_.push_back(8); // font size
    Text("MS Sans Serif");
}

void DialogTemplate::Text(const std::string& text)
{
    for (char c : text)
        words_.push_back(static_cast<unsigned char>(c));
    words_.push_back(0);
}

void DialogTemplate::AlignToDword()
{
    if (words_.size() % 2)
        words_.push_back(0);
}

void DialogTemplate::BeginItem(WORD id, DWORD style, short x, short y, short cx, short cy)
{
    AlignToDword();
    const size_t at = words_.size();
    words_.resize(at + kItemWords, 0);
    DLGITEMTEMPLATE item = {};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.id = id;
    std::memcpy(words_.data() + at, &item, sizeof(item));
    reinterpret_cast<DLGTEMPLATE*>(words_.data())->cdit++;
}

DialogTemplate& DialogTemplate::Add(WORD classAtom, WORD id, const std::string& text, DWORD style,
                                    short x, short y, short cx, short cy)
{
    BeginItem(id, style, x, y, cx, cy);
    words_.push_back(0xFFFF);
    words_.push_back(classAtom);
    Text(text);
    words_.push_back(0); // no creation data
    return *this;
}

DialogTemplate& DialogTemplate::Add(const std::string& className, WORD id, const std::string& text,
                                    DWORD style, short x, short y, short cx, short cy)
{
    BeginItem(id, style, x, y, cx, cy);
    Text(className);
    Text(text);
    words_.push_back(0);
    return *this;
}
