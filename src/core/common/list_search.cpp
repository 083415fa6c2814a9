#include "core/common/list_search.h"

#include "core/common/cp1250.h"


namespace {

std::string_view cell(const RowTable& table, int row, int column)
{
    const auto& cells = table.rows[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(column) < cells.size() ? std::string_view(cells[column]) : std::string_view();
}

int rowCount(const RowTable& table) { return static_cast<int>(table.rows.size()); }

std::string withoutDashes(std::string_view text)
{
    std::string out(text);
    std::erase(out, '-');
    return out;
}

} // namespace

std::string Trimmed(std::string_view text)
{
    const auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

int FindRowByAccount(const RowTable& table, std::string_view account)
{
    const std::string wanted = cp1250::upper(account);
    for (int r = 1; r < rowCount(table); ++r)
        if (cp1250::upper(cell(table, r, kAccountColumn)) == wanted)
            return r;
    return -1;
}

int FindRowByInitial(const RowTable& table, char letter)
{
    const unsigned char wanted = cp1250::upper(static_cast<unsigned char>(letter));
    for (int r = 1; r < rowCount(table); ++r) {
        const std::string_view name = cell(table, r, kNameColumn);
        if (!name.empty() && cp1250::upper(static_cast<unsigned char>(name.front())) == wanted)
            return r;
    }
    return -1;
}

int FindRowBySearch(const RowTable& table, std::string_view nameText, std::string_view nipText)
{
    const std::string name = cp1250::upper(Trimmed(nameText));
    const std::string nip = withoutDashes(cp1250::upper(Trimmed(nipText)));
    if (name.empty() && nip.empty())
        return -1;
    for (int r = 1; r < rowCount(table); ++r) {
        const bool nameMatches = name.empty() || cp1250::upper(cell(table, r, kNameColumn)).find(name) != std::string::npos;
        const bool nipMatches = nip.empty() || withoutDashes(cell(table, r, kNipColumn)).find(nip) != std::string::npos;
        if (nameMatches && nipMatches)
            return r;
    }
    return -1;
}
