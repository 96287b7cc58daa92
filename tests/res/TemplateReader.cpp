#include "tests/res/TemplateReader.h"

namespace restest {

namespace {

// A bounds-checked cursor over the template's bytes.
class Cursor {
public:
    Cursor(const BYTE* data, size_t size) : data_(data), size_(size) {}
    bool Ok() const { return ok_; }

    template <typename T> T Take()
    {
        T value{};
        if (pos_ + sizeof(T) > size_) {
            ok_ = false;
            return value;
        }
        memcpy(&value, data_ + pos_, sizeof(T));
        pos_ += sizeof(T);
        return value;
    }

    void Align(size_t to) { pos_ = (pos_ + to - 1) / to * to; }

    // A zero-terminated UTF-16 text (ASCII is all the resources hold).
    std::string Text()
    {
        std::string s;
        for (WORD c = Take<WORD>(); ok_ && c != 0; c = Take<WORD>())
            s += c < 128 ? char(c) : '?';
        return s;
    }

    // sz_Or_Ord: 0 nothing, 0xFFFF then an ordinal, else a text.
    std::string TextOrOrdinal(int& ordinal)
    {
        ordinal = 0;
        WORD first = Take<WORD>();
        if (first == 0)
            return "";
        if (first == 0xFFFF) {
            ordinal = Take<WORD>();
            return "";
        }
        pos_ -= sizeof(WORD);
        return Text();
    }

private:
    const BYTE* data_;
    size_t size_;
    size_t pos_ = 0;
    bool ok_ = true;
};

std::string PredefinedClass(int atom)
{
    switch (atom) {
    case 0x80:
        return "Button";
    case 0x81:
        return "Edit";
    case 0x82:
        return "Static";
    case 0x83:
        return "ListBox";
    case 0x84:
        return "ScrollBar";
    case 0x85:
        return "ComboBox";
    default:
        return "#" + std::to_string(atom);
    }
}

} // namespace

bool ReadTemplate(int id, TemplateInfo& out)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const BYTE* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!bytes)
        return false;
    Cursor c(bytes, SizeofResource(nullptr, found));
    out = TemplateInfo{};
    WORD version = c.Take<WORD>(), signature = c.Take<WORD>();
    out.extended = version == 1 && signature == 0xFFFF;
    if (!out.extended)
        return false;
    c.Take<DWORD>(); // help id
    out.exStyle = c.Take<DWORD>();
    out.style = c.Take<DWORD>();
    WORD count = c.Take<WORD>();
    c.Take<short>();
    c.Take<short>();
    out.cx = c.Take<short>();
    out.cy = c.Take<short>();
    int ordinal = 0;
    c.TextOrOrdinal(ordinal); // menu
    c.TextOrOrdinal(ordinal); // class
    out.caption = c.Text();
    if (out.style & DS_SETFONT) {
        out.fontSize = c.Take<WORD>();
        c.Take<WORD>(); // weight
        c.Take<BYTE>(); // italic
        c.Take<BYTE>(); // character set
        out.fontName = c.Text();
    }
    for (WORD i = 0; i < count && c.Ok(); ++i) {
        c.Align(4);
        TemplateItem item;
        c.Take<DWORD>(); // help id
        item.exStyle = c.Take<DWORD>();
        item.style = c.Take<DWORD>();
        item.x = c.Take<short>();
        item.y = c.Take<short>();
        item.cx = c.Take<short>();
        item.cy = c.Take<short>();
        item.id = int(c.Take<DWORD>());
        int atom = 0;
        item.className = c.TextOrOrdinal(atom);
        if (atom)
            item.className = PredefinedClass(atom);
        item.text = c.TextOrOrdinal(item.resource);
        WORD extra = c.Take<WORD>();
        for (WORD b = 0; b < extra; ++b)
            c.Take<BYTE>();
        out.items.push_back(item);
    }
    return c.Ok();
}

} // namespace restest
