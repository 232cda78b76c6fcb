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
    CsvShape shape;
    ParseCsvWithin(text, separator, std::string_view::npos, std::string_view::npos, rows, shape);
    return rows;
}

bool ParseCsvWithin(std::string_view text, char separator, std::size_t mostRows, std::size_t mostColumns,
                    std::vector<CsvRow>& rows, CsvShape& shape)
{
    rows.clear();
    shape = CsvShape{};
    CsvRow row;
    std::string cell;
    bool quoted = false;      // inside a quoted cell
    bool anything = false;    // the row has a cell with text or a separator
    bool within = true;       // nothing past the limits yet: the cells are kept
    std::size_t cells = 0;    // of the row read
    const auto endCell = [&] {
        within = ++cells <= mostColumns && within;
        if (within)
            row.push_back(std::move(cell));
        cell.clear();
    };
    const auto endRow = [&] {
        endCell();
        if (anything) {
            ++shape.rows;
            shape.columns = std::max(shape.columns, cells);
            within = within && shape.rows <= mostRows && shape.columns <= mostColumns;
            if (within)
                rows.push_back(std::move(row));
            else
                std::vector<CsvRow>().swap(rows);
        }
        row.clear();
        cells = 0;
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
    return within;
}

std::string TooLargeTableText(const CsvShape& shape)
{
    auto grouped = [](std::size_t n) {
        std::string digits = std::to_string(n);
        for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
            digits.insert(static_cast<std::size_t>(at), ",");
        return digits;
    };
    return "表が大きすぎます（" + grouped(shape.rows) + "行、" + grouped(shape.columns) + "列）。読み込めるのは " +
           grouped(kMostTableRows) + "行、" + grouped(kMostTableColumns) + "列までです。";
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
    std::vector<CsvRow> rows;
    CsvShape shape;
    if (!ParseCsvWithin(decoded.text, DetectSeparator(decoded.text), kMostTableRows, kMostTableColumns, rows, shape))
        return FileError{0, TooLargeTableText(shape)};
    table.encoding = decoded.encoding;
    table.rows = std::move(rows);
    return std::nullopt;
}

} // namespace miravel
