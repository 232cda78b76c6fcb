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

std::string GridToCsvText(const TextGrid& grid)
{
    std::string text;
    for (int r = 0; r < grid.Rows(); ++r) {
        std::string line;
        for (int c = 0; c < grid.Cols(); ++c) {
            line += CsvField(grid.TextMatrix(r, c));
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

FileResult WriteGridCsv(const std::string& path, const TextGrid& grid, SaveReport& report)
{
    report = SaveReport{};
    std::string offending;
    const auto bytes = Utf8ToCp932(GridToCsvText(grid), &offending);
    if (!bytes)
        return FileError{0, "表の文字「" + offending + "」はファイルに保存できません。"};
    return WriteExportWithBackup(path, *bytes, report);
}

} // namespace miravel
