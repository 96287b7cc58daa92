#include "lang/AnsiCodePage.h"

namespace {

// Bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
const char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t Decoded(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

bool Encoded(char16_t unit, char& byte)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit < 0x100)) {
        byte = static_cast<char>(unit);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == unit) {
            byte = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

class CodePage1252 final : public AnsiCodePage {
public:
    std::u16string Decode(const std::string& bytes) const override
    {
        std::u16string text(bytes.size(), u'\0');
        for (size_t i = 0; i < bytes.size(); ++i)
            text[i] = Decoded(static_cast<unsigned char>(bytes[i]));
        return text;
    }

    bool Encode(const std::u16string& text, std::string& bytes) const override
    {
        bytes.assign(text.size(), '\0');
        for (size_t i = 0; i < text.size(); ++i) {
            if (!Encoded(text[i], bytes[i])) {
                bytes.clear();
                return false;
            }
        }
        return true;
    }
};

} // namespace

const AnsiCodePage& Windows1252()
{
    static const CodePage1252 codePage;
    return codePage;
}
