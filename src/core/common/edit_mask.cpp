#include "core/common/edit_mask.h"

#include "core/common/cp1250.h"

#include <algorithm>
#include <array>

namespace {

// Letters of the code page: every byte with a case pair, and each capital's small letter.
struct LetterTables {
    std::array<bool, 256> letter{};
    std::array<unsigned char, 256> lower{};
    LetterTables()
    {
        for (int c = 0; c < 256; ++c)
            lower[c] = static_cast<unsigned char>(c);
        for (int c = 0; c < 256; ++c) {
            const unsigned char u = cp1250::upper(static_cast<unsigned char>(c));
            if (u != c) {
                letter[c] = letter[u] = true;
                lower[u] = static_cast<unsigned char>(c);
            }
        }
    }
};

const LetterTables& letters()
{
    static const LetterTables tables;
    return tables;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return letters().letter[static_cast<unsigned char>(c)]; }

} // namespace

EditMask::EditMask(std::string_view mask) { parse(mask); }

void EditMask::parse(std::string_view mask)
{
    struct MaskChar {
        char c;
        Accepts accepts;
        bool required;
    };
    static constexpr MaskChar kMaskChars[] = {
        {'0', Accepts::Digit, true},         {'9', Accepts::Digit, false},
        {'#', Accepts::DigitOrSign, false},  {'L', Accepts::Letter, true},
        {'l', Accepts::Letter, false},       {'A', Accepts::LetterOrDigit, true},
        {'a', Accepts::LetterOrDigit, false}, {'C', Accepts::Any, true},
        {'c', Accepts::Any, false},
    };

    Case letterCase = Case::AsTyped;
    std::size_t i = 0;
    for (; i < mask.size() && mask[i] != ';'; ++i) {
        const char c = mask[i];
        if (c == '<' && i + 1 < mask.size() && mask[i + 1] == '>') {
            letterCase = Case::AsTyped;
            ++i;
            continue;
        }
        if (c == '>' || c == '<') {
            letterCase = c == '>' ? Case::Upper : Case::Lower;
            continue;
        }
        if (c == '!')
            continue;
        Position p;
        p.letterCase = letterCase;
        if (c == '\\' && i + 1 < mask.size()) {
            p.literal = mask[++i];
        } else if (c == '/' || c == ':' || c == '_') {
            p.literal = c == '/' ? kDateSeparator : c == ':' ? kTimeSeparator : ' ';
        } else {
            p.literal = c;
            for (const MaskChar& m : kMaskChars)
                if (m.c == c) {
                    p.accepts = m.accepts;
                    p.required = m.required;
                    p.literal = 0;
                }
        }
        positions_.push_back(p);
    }
    // ";1;_": whether literals stay in the text, then the blank character.
    if (i + 1 < mask.size() && mask[i + 1] != ';')
        keepLiterals_ = mask[i + 1] != '0';
    const std::size_t blankField = mask.find(';', i + 1);
    if (blankField != std::string_view::npos && blankField + 1 < mask.size())
        blank_ = mask[blankField + 1];

    chars_.assign(positions_.size(), ' ');
    for (std::size_t k = 0; k < positions_.size(); ++k)
        if (isLiteral(k))
            chars_[k] = positions_[k].literal;
}

bool EditMask::isLiteral(std::size_t pos) const
{
    return pos < positions_.size() && positions_[pos].accepts == Accepts::Literal;
}

void EditMask::setShortestLength(std::size_t positions) { shortest_ = positions; }

std::size_t EditMask::shownLength() const
{
    if (shortest_ == 0 || shortest_ >= length())
        return length();
    std::size_t shown = length();
    while (shown > shortest_ && (isLiteral(shown - 1) || chars_[shown - 1] == ' '))
        --shown;
    return shown;
}

std::string EditMask::editText() const
{
    std::string out = chars_.substr(0, shownLength());
    for (std::size_t k = 0; k < out.size(); ++k)
        if (!isLiteral(k) && out[k] == ' ')
            out[k] = blank_;
    return out;
}

std::string EditMask::text() const
{
    const std::size_t shown = shownLength();
    if (keepLiterals_)
        return chars_.substr(0, shown);
    std::string out;
    for (std::size_t k = 0; k < shown; ++k)
        if (!isLiteral(k))
            out += chars_[k];
    return out;
}

bool EditMask::isBlank() const
{
    for (std::size_t k = 0; k < chars_.size(); ++k)
        if (!isLiteral(k) && chars_[k] != ' ')
            return false;
    return true;
}

void EditMask::setText(std::string_view text)
{
    std::size_t from = 0;
    for (std::size_t k = 0; k < positions_.size(); ++k) {
        if (isLiteral(k)) {
            from += keepLiterals_ ? 1 : 0;
            continue;
        }
        const char c = from < text.size() ? text[from++] : ' ';
        chars_[k] = c == blank_ ? ' ' : converted(positions_[k], c);
    }
}

char EditMask::converted(const Position& p, char c) const
{
    const auto b = static_cast<unsigned char>(c);
    switch (p.letterCase) {
    case Case::Upper:
        return static_cast<char>(cp1250::upper(b));
    case Case::Lower:
        return static_cast<char>(letters().lower[b]);
    case Case::AsTyped:
        break;
    }
    return c;
}

bool EditMask::takes(const Position& p, char c) const
{
    if (c == ' ')
        return !p.required || p.accepts == Accepts::Any;
    switch (p.accepts) {
    case Accepts::Digit:
        return isDigit(c);
    case Accepts::DigitOrSign:
        return isDigit(c) || c == '+' || c == '-';
    case Accepts::Letter:
        return isLetter(c);
    case Accepts::LetterOrDigit:
        return isLetter(c) || isDigit(c);
    case Accepts::Any:
        return true;
    case Accepts::Literal:
        break;
    }
    return false;
}

std::optional<std::size_t> EditMask::type(std::size_t pos, char c)
{
    if (isLiteral(pos) && positions_[pos].literal == c)
        return nextEditable(pos + 1);
    const std::size_t at = nextEditable(pos);
    if (at >= length())
        return std::nullopt;
    const char typed = converted(positions_[at], c);
    if (!takes(positions_[at], typed))
        return std::nullopt;
    chars_[at] = typed;
    return nextEditable(at + 1);
}

void EditMask::erase(std::size_t from, std::size_t to)
{
    for (std::size_t k = from; k < to && k < length(); ++k)
        if (!isLiteral(k))
            chars_[k] = ' ';
}

std::size_t EditMask::backspace(std::size_t pos)
{
    for (std::size_t k = std::min(pos, length()); k-- > 0;)
        if (!isLiteral(k)) {
            chars_[k] = ' ';
            return k;
        }
    return pos;
}

std::size_t EditMask::nextEditable(std::size_t pos) const
{
    while (pos < length() && isLiteral(pos))
        ++pos;
    return std::min(pos, length());
}
