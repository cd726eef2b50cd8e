#include "app/logic/IntegerText.h"

#include "core/Error.h"

namespace pp::app {

namespace {

class TNumberReader {
public:
    explicit TNumberReader(std::string_view text) : text_(text) { }

    // Returns nothing when the text is not a number in range.
    std::optional<std::int32_t> Read()
    {
        SkipBlanks();
        const bool negative = TakeSign();
        const std::optional<std::uint32_t> magnitude = TakeHexPrefix() ? ReadHex() : ReadDecimal(negative);
        if (!magnitude || pos_ != text_.size())
            return std::nullopt;
        const std::uint32_t bits = negative ? 0u - *magnitude : *magnitude;
        return static_cast<std::int32_t>(bits);
    }

private:
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek(std::size_t ahead = 0) const
    {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
    }

    void SkipBlanks()
    {
        while (!AtEnd() && Peek() == ' ')
            ++pos_;
    }

    bool TakeSign()
    {
        if (Peek() == '+' || Peek() == '-')
            return text_[pos_++] == '-';
        return false;
    }

    bool TakeHexPrefix()
    {
        if (Peek() == '$' || Peek() == 'x' || Peek() == 'X') {
            ++pos_;
            return true;
        }
        if (Peek() == '0' && (Peek(1) == 'x' || Peek(1) == 'X')) {
            pos_ += 2;
            return true;
        }
        return false;
    }

    static int HexDigit(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    std::optional<std::uint32_t> ReadHex()
    {
        std::uint64_t value = 0;
        const std::size_t start = pos_;
        for (int digit; (digit = HexDigit(Peek())) >= 0; ++pos_) {
            value = value * 16 + static_cast<unsigned>(digit);
            if (value > 0xFFFFFFFFu)
                return std::nullopt;
        }
        if (pos_ == start)
            return std::nullopt;
        return static_cast<std::uint32_t>(value);
    }

    // The magnitude may reach 2^31 only when a minus sign precedes it.
    std::optional<std::uint32_t> ReadDecimal(bool negative)
    {
        const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
        std::uint64_t value = 0;
        const std::size_t start = pos_;
        for (; Peek() >= '0' && Peek() <= '9'; ++pos_) {
            value = value * 10 + static_cast<unsigned>(Peek() - '0');
            if (value > limit)
                return std::nullopt;
        }
        if (pos_ == start)
            return std::nullopt;
        return static_cast<std::uint32_t>(value);
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// Built by appending: a chain of "+" on string literals trips a false
// overlap warning of GCC 12.
std::string QuotedMessage(std::string_view text, std::string_view rest)
{
    std::string message = "'";
    message.append(text);
    message.append(rest);
    return message;
}

} // namespace

std::string NotAnIntegerMessage(std::string_view text)
{
    return QuotedMessage(text, "' is not a valid integer value");
}

std::string NegativeIntervalMessage(std::string_view text)
{
    return QuotedMessage(text, "': интервал должен быть 0 мс или больше");
}

std::int32_t StrToInt(std::string_view text)
{
    const std::optional<std::int32_t> value = TNumberReader(text).Read();
    if (!value)
        throw EConvertError(NotAnIntegerMessage(text));
    return *value;
}

std::optional<std::uint32_t> IntervalFromText(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    const std::int32_t value = StrToInt(text);
    if (value < 0)
        throw EConvertError(NegativeIntervalMessage(text));
    return static_cast<std::uint32_t>(value);
}

} // namespace pp::app
