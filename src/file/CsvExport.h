#pragma once
// The shown table as a comma-separated file.

#include "core/TextGrid.h"
#include "file/FileError.h"
#include "file/SafeWrite.h"

#include <string>

namespace miravel {

// One line per row, every cell followed by ",", CR inside a cell written as
// a blank, CR LF line ends; UTF-8. A cell with a comma or a double quote is
// quoted, its quotes doubled; a cell that reads as a formula is FormulaSafe.
std::string GridToCsvText(const TextGrid& grid);

// One field: in double quotes, its quotes doubled, when it holds a comma or
// a double quote; as it is otherwise.
std::string CsvField(const std::string& text);

// A cell a spreadsheet would take for a formula (starting with "=", "+",
// "-", "@", a tab or a carriage return) with a "'" in front, so the school
// office's spreadsheet shows it as text; a number ("-3", "+1.5") and a
// lone "-" stay as they are.
std::string FormulaSafe(const std::string& text);

// Encodes the table in code page 932 and writes it with a backup; `report`
// tells whether the backup could be made.
FileResult WriteGridCsv(const std::string& path, const TextGrid& grid);
FileResult WriteGridCsv(const std::string& path, const TextGrid& grid, SaveReport& report, unsigned mode = 0);

} // namespace miravel
