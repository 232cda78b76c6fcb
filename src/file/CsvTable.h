#pragma once
// A table from a spreadsheet or a web form saved as CSV or TSV: rows of
// cells, quotes removed.

#include "file/FileError.h"
#include "file/TextFileDecoding.h"

#include <string>
#include <string_view>
#include <vector>

namespace miravel {

using CsvRow = std::vector<std::string>;

// The separator of a table: a tab when the first line has one, else ","
// when it has one, else ";" when it has one, else ",".
char DetectSeparator(std::string_view text);

// Rows of cells. A cell in double quotes may hold the separator, line
// breaks and doubled quotes; CR LF, LF and CR all end a row; empty rows are
// dropped.
std::vector<CsvRow> ParseCsv(std::string_view text, char separator);

// No class has more: a bigger table is refused before it is shown.
constexpr std::size_t kMostTableRows = 2000;
constexpr std::size_t kMostTableColumns = 200;

// The rows and the widest row's cells of a table, counted as ParseCsv
// reads it.
struct CsvShape {
    std::size_t rows = 0;
    std::size_t columns = 0;
    bool operator==(const CsvShape& o) const { return rows == o.rows && columns == o.columns; }
};

// As ParseCsv, keeping nothing once the table is larger than the limits:
// false then, with `rows` empty and `shape` counting the whole table.
bool ParseCsvWithin(std::string_view text, char separator, std::size_t mostRows, std::size_t mostColumns,
                    std::vector<CsvRow>& rows, CsvShape& shape);

// "表が大きすぎます（3,000行、12列）。…": what a table past the limits is told.
std::string TooLargeTableText(const CsvShape& shape);

// The widest row's number of cells.
std::size_t ColumnCount(const std::vector<CsvRow>& rows);

// The cell or "" past the row's end.
const std::string& CellOf(const CsvRow& row, int column);

struct CsvTableFile {
    std::vector<CsvRow> rows;
    TextEncoding encoding = TextEncoding::Utf8;
};

// Reads and decodes a file (UTF-8 with or without BOM, or code page 932);
// a table of more than kMostTableRows rows or kMostTableColumns columns is
// refused with TooLargeTableText.
FileResult ReadCsvTable(const std::string& path, CsvTableFile& table);

} // namespace miravel
