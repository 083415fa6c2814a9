#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text model of a masked edit: a mask in the usual edit-mask syntax
// ("##9;1;_", "99/99/9999;1;_", ">AA#############;1;_") and what each of its
// positions holds. Texts are code page 1250.
//
// Mask characters: 0 a digit, 9 a digit or blank, # a digit, sign or blank,
// L a letter, l a letter or blank, A a letter or digit, a a letter, digit or
// blank, C any character, c any character or blank. ">" upper-cases and "<"
// lower-cases what follows, "<>" ends either; "\" makes the next character a
// literal; "/" is the date separator ("-"), ":" the time separator, "_" a
// blank literal, "!" is accepted and ignored; any other character is a
// literal. After the mask, ";1" keeps the literals in the text (";0" leaves
// them out) and a last ";x" names the character shown in blank positions.
class EditMask {
public:
    static constexpr char kDateSeparator = '-';
    static constexpr char kTimeSeparator = ':';

    explicit EditMask(std::string_view mask = {});

    // No mask: the edit takes any text.
    bool empty() const { return positions_.empty(); }
    // Positions, literals included: the edit's maximum length.
    std::size_t length() const { return positions_.size(); }
    bool isLiteral(std::size_t pos) const;

    // Blank positions shown as the blank character ("___", "__-__-____").
    std::string editText() const;
    // Blank positions as spaces, literals kept when the mask says so
    // ("   ", "  -  -    ").
    std::string text() const;
    // True when no position holds a character.
    bool isBlank() const;

    // A mask that also takes a shorter entry (a 9-digit REGON in a 14-digit
    // mask): both texts keep their first `positions` positions and end after
    // the last position beyond them that holds a character. 0 (the default)
    // keeps every position.
    void setShortestLength(std::size_t positions);

    // Puts a text into the positions: with literals kept, character i goes to
    // position i; otherwise the characters fill the editable positions in
    // turn. A blank or the blank character leaves a position blank; what is
    // beyond the mask is dropped.
    void setText(std::string_view text);

    // The character typed at the cursor `pos`: literals are stepped over, and
    // typing a literal's own character moves past it. Returns the cursor
    // after it, or nothing when the position does not take the character.
    std::optional<std::size_t> type(std::size_t pos, char c);
    // Blanks the editable positions in [from, to).
    void erase(std::size_t from, std::size_t to);
    // Backspace at the cursor: blanks the editable position before it and
    // returns the cursor there (the cursor stays when there is none).
    std::size_t backspace(std::size_t pos);

    // The first editable position at or after `pos`; length() when none.
    std::size_t nextEditable(std::size_t pos) const;

private:
    enum class Accepts : unsigned char { Literal, Digit, DigitOrSign, Letter, LetterOrDigit, Any };
    enum class Case : unsigned char { AsTyped, Upper, Lower };
    struct Position {
        Accepts accepts = Accepts::Literal;
        bool required = false;
        Case letterCase = Case::AsTyped;
        char literal = 0;
    };

    void parse(std::string_view mask);
    // The positions the texts show.
    std::size_t shownLength() const;
    char converted(const Position& p, char c) const;
    bool takes(const Position& p, char c) const;

    std::vector<Position> positions_;
    std::string chars_; // one per position; blank editable positions hold ' '
    bool keepLiterals_ = true;
    char blank_ = '_';
    std::size_t shortest_ = 0;
};
