#include "file/CsvExport.h"

#include "file/Cp932.h"
#include "file/SafeWrite.h"

#include <algorithm>

namespace miravel {

// A spreadsheet keeps a quoted field in one cell.
std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"") == std::string::npos)
        return text;
    std::string field = "\"";
    for (char ch : text) {
        field += ch;
        if (ch == '"')
            field += '"';
    }
    return field + '"';
}

namespace {

// Optional sign, digits, at most one decimal point between digits.
bool isNumber(const std::string& text)
{
    std::size_t at = text.empty() || (text[0] != '-' && text[0] != '+') ? 0 : 1;
    const std::size_t digits = text.find_first_not_of("0123456789", at);
    if (digits == at || at == text.size())
        return false;
    if (digits == std::string::npos)
        return true;
    return text[digits] == '.' && digits + 1 < text.size() &&
           text.find_first_not_of("0123456789", digits + 1) == std::string::npos;
}

} // namespace

std::string FormulaSafe(const std::string& text)
{
    // A lone "-" (no evaluation) computes nothing.
    if (text.empty() || std::string("=+-@\t\r").find(text[0]) == std::string::npos || isNumber(text) || text == "-")
        return text;
    return "'" + text;
}

std::string GridToCsvText(const TextGrid& grid)
{
    std::string text;
    for (int r = 0; r < grid.Rows(); ++r) {
        std::string line;
        for (int c = 0; c < grid.Cols(); ++c) {
            // A CR is a blank here, and a cell starting with a blank is text already.
            std::string cell = grid.TextMatrix(r, c);
            std::replace(cell.begin(), cell.end(), '\r', ' ');
            line += CsvField(FormulaSafe(cell));
            line += ',';
        }
        std::replace(line.begin(), line.end(), '\r', ' ');
        text += line;
        text += "\r\n";
    }
    return text;
}

FileResult WriteGridCsv(const std::string& path, const TextGrid& grid)
{
    SaveReport ignored;
    return WriteGridCsv(path, grid, ignored);
}

FileResult WriteGridCsv(const std::string& path, const TextGrid& grid, SaveReport& report, unsigned mode)
{
    report = SaveReport{};
    std::string offending;
    const auto bytes = Utf8ToCp932(GridToCsvText(grid), &offending);
    if (!bytes)
        return FileError{0, "表の文字「" + offending + "」はファイルに保存できません。"};
    return WriteExportWithBackup(path, *bytes, report, mode);
}

} // namespace miravel
