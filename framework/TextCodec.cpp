#include "framework/TextCodec.h"

#include <windows.h>

namespace fw {
namespace {

bool Widen(UINT codePage, DWORD flags, const std::string& text, std::wstring& wide)
{
    wide.clear();
    if (text.empty())
        return true;
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    if (length <= 0)
        return false;
    wide.resize(static_cast<size_t>(length));
    if (MultiByteToWideChar(codePage, flags, text.data(), size, &wide[0], length) != length) {
        wide.clear();
        return false;
    }
    return true;
}

} // namespace

bool WidenUtf8(const std::string& utf8, std::wstring& wide)
{
    return Widen(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, wide);
}

std::wstring Wide(const std::string& utf8)
{
    std::wstring wide;
    Widen(CP_UTF8, 0, utf8, wide);
    return wide;
}

bool NarrowUtf8(const std::wstring& wide, std::string& utf8)
{
    utf8.clear();
    if (wide.empty())
        return true;
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), size,
                                           nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return false;
    utf8.resize(static_cast<size_t>(length));
    if (WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), size, &utf8[0], length,
                            nullptr, nullptr) != length) {
        utf8.clear();
        return false;
    }
    return true;
}

std::string Utf8(const wchar_t* text, size_t length)
{
    if (!text)
        return std::string();
    if (length == std::string::npos)
        length = std::char_traits<wchar_t>::length(text);
    if (length == 0)
        return std::string();
    const int size = static_cast<int>(length);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, size, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return std::string();
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, size, &utf8[0], bytes, nullptr, nullptr);
    return utf8;
}

} // namespace fw
