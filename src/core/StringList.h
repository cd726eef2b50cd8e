#pragma once
// An ordered list of text lines, the form in which options texts, class-name
// lists and common sections travel. Lines are bytes: options files are
// single-byte text and are kept as written.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pp {

class TStream;

class TStringList {
public:
    TStringList() = default;
    explicit TStringList(bool caseSensitive) : CaseSensitive(caseSensitive) { }

    // Compares lines exactly when set; otherwise ASCII letters match in any case.
    bool CaseSensitive = false;

    std::size_t Count() const { return lines_.size(); }
    bool Empty() const { return lines_.empty(); }
    const std::string& operator[](std::size_t index) const { return lines_[index]; }
    const std::vector<std::string>& Lines() const { return lines_; }

    void Add(std::string line) { lines_.push_back(std::move(line)); }
    void Clear() { lines_.clear(); }
    // Index of the first line equal to `text`, or -1.
    int IndexOf(std::string_view text) const;

    // Splits at CR LF, LF or a lone CR; a final line break adds no empty line.
    void SetText(std::string_view text);
    // Every line followed by CR LF.
    std::string Text() const;
    // Reads from the current position to the end of the stream.
    void LoadFromStream(TStream& stream);

private:
    std::vector<std::string> lines_;
};

// ASCII-only case folding: options texts are single-byte and only their
// Latin letters are ever compared without case.
char UpperAscii(char c);
std::string AsciiUpperCase(std::string_view text);
bool AsciiSameText(std::string_view a, std::string_view b);

} // namespace pp
