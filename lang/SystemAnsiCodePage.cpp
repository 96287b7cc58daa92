// The system's ANSI code page through its own conversions (Windows only).
#include "lang/AnsiCodePage.h"

#include <windows.h>

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16");

class SystemCodePage final : public AnsiCodePage {
public:
    std::u16string Decode(const std::string& bytes) const override
    {
        const int size = static_cast<int>(bytes.size());
        const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
        if (length <= 0)
            return std::u16string();
        std::wstring wide(static_cast<size_t>(length), L'\0');
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, &wide[0], length);
        return std::u16string(wide.begin(), wide.end());
    }

    bool Encode(const std::u16string& text, std::string& bytes) const override
    {
        bytes.clear();
        if (text.empty())
            return true;
        const std::wstring wide(text.begin(), text.end());
        // A UTF-8 code page takes no best-fit flag nor default character.
        const bool utf8 = GetACP() == CP_UTF8;
        const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
        BOOL usedDefault = FALSE;
        BOOL* const defaulted = utf8 ? nullptr : &usedDefault;
        const int size = static_cast<int>(wide.size());
        const int length =
            WideCharToMultiByte(CP_ACP, flags, wide.data(), size, nullptr, 0, nullptr, defaulted);
        if (length <= 0 || usedDefault)
            return false;
        bytes.resize(static_cast<size_t>(length));
        if (WideCharToMultiByte(CP_ACP, flags, wide.data(), size, &bytes[0], length, nullptr,
                                defaulted) != length ||
            usedDefault) {
            bytes.clear();
            return false;
        }
        return true;
    }
};

} // namespace

const AnsiCodePage& SystemAnsiCodePage()
{
    static const SystemCodePage codePage;
    return codePage;
}
