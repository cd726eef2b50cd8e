#include "core/StringList.h"

#include "core/Stream.h"

namespace pp {

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string AsciiUpperCase(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = UpperAscii(c);
    return result;
}

bool AsciiSameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperAscii(a[i]) != UpperAscii(b[i]))
            return false;
    return true;
}

int TStringList::IndexOf(std::string_view text) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const bool same = CaseSensitive ? lines_[i] == text : AsciiSameText(lines_[i], text);
        if (same)
            return static_cast<int>(i);
    }
    return -1;
}

void TStringList::SetText(std::string_view text)
{
    lines_.clear();
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines_.emplace_back(text.substr(start, i - start));
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size())
        lines_.emplace_back(text.substr(start));
}

std::string TStringList::Text() const
{
    std::string result;
    for (const std::string& line : lines_) {
        result += line;
        result += "\r\n";
    }
    return result;
}

void TStringList::LoadFromStream(TStream& stream)
{
    const std::vector<std::uint8_t> bytes = stream.ReadToEnd();
    SetText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace pp
