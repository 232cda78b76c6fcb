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

// The widest row's number of cells.
std::size_t ColumnCount(const std::vector<CsvRow>& rows);

// The cell or "" past the row's end.
const std::string& CellOf(const CsvRow& row, int column);

struct CsvTableFile {
    std::vector<CsvRow> rows;
    TextEncoding encoding = TextEncoding::Utf8;
};

// Reads and decodes a file (UTF-8 with or without BOM, or code page 932).
FileResult ReadCsvTable(const std::string& path, CsvTableFile& table);

} // namespace miravel
