#include "win/Text.h"

#include <windows.h>

namespace pp {
namespace {

std::wstring WideFromCodePage(UINT codePage, std::string_view text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring result(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, result.data(), length);
    return result;
}

} // namespace

std::wstring WideFromUtf8(std::string_view text) { return WideFromCodePage(CP_UTF8, text); }

std::string Utf8FromAnsi(std::string_view text) { return Utf8FromWide(WideFromCodePage(CP_ACP, text)); }

std::string Utf8FromWide(std::wstring_view text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, result.data(), length, nullptr, nullptr);
    return result;
}

} // namespace pp
