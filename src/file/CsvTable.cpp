#include "file/CsvTable.h"

#include <algorithm>

namespace miravel {

char DetectSeparator(std::string_view text)
{
    const std::string_view first = text.substr(0, text.find_first_of("\r\n"));
    for (char separator : {'\t', ',', ';'})
        if (first.find(separator) != std::string_view::npos)
            return separator;
    return ',';
}

std::vector<CsvRow> ParseCsv(std::string_view text, char separator)
{
    std::vector<CsvRow> rows;
    CsvRow row;
    std::string cell;
    bool quoted = false;      // inside a quoted cell
    bool anything = false;    // the row has a cell with text or a separator
    const auto endCell = [&] {
        row.push_back(std::move(cell));
        cell.clear();
    };
    const auto endRow = [&] {
        endCell();
        if (anything)
            rows.push_back(std::move(row));
        row.clear();
        anything = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"')
                cell += c;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                cell += text[++i];
            else
                quoted = false;
        } else if (c == '"' && cell.empty()) {
            quoted = anything = true;
        } else if (c == separator) {
            endCell();
            anything = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            endRow();
        } else {
            cell += c;
            anything = true;
        }
    }
    endRow();
    return rows;
}

std::size_t ColumnCount(const std::vector<CsvRow>& rows)
{
    std::size_t widest = 0;
    for (const CsvRow& row : rows)
        widest = std::max(widest, row.size());
    return widest;
}

const std::string& CellOf(const CsvRow& row, int column)
{
    static const std::string none;
    return column >= 0 && static_cast<std::size_t>(column) < row.size() ? row[static_cast<std::size_t>(column)] : none;
}

FileResult ReadCsvTable(const std::string& path, CsvTableFile& table)
{
    DecodedText decoded;
    if (auto error = ReadTextFile(path, decoded))
        return error;
    table.encoding = decoded.encoding;
    table.rows = ParseCsv(decoded.text, DetectSeparator(decoded.text));
    return std::nullopt;
}

} // namespace miravel
