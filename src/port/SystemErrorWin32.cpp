#include "port/SystemErrorWin32.h"

#include "win/Text.h"

#include <windows.h>

namespace pp::port {

std::string SystemErrorText(unsigned long code)
{
    wchar_t buffer[512] = {};
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        code, 0, buffer, static_cast<DWORD>(std::size(buffer)), nullptr);
    std::wstring text(buffer, length);
    while (!text.empty() &&
           (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' || text.back() == L'.'))
        text.pop_back();
    if (text.empty())
        return "ошибка " + std::to_string(code);
    return Utf8FromWide(text);
}

} // namespace pp::port
