#pragma once
// The program keeps text as UTF-8; the platform's W functions take UTF-16.
// Conversion happens here, at the boundary, and nowhere else.
#include <string>
#include <string_view>

namespace pp {

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
// Text from outside programs that write the system's ANSI code page.
std::string Utf8FromAnsi(std::string_view text);

} // namespace pp
