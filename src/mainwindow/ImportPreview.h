#pragma once
// Parts shared by the windows that preview a table from another program
// before anything is taken from it: a drop-down choosing one of its columns
// and the table of its rows.

#include "file/CsvTable.h"

#include <QString>

#include <vector>

class QComboBox;
class QTableWidget;

namespace miravel {

// "（なし）" (when `optional`) and one entry per column: "3列目 出席番号",
// named by the header cell or, without a header, by the first row's cell.
// The entry's data is the column's index, -1 for none.
QComboBox* ColumnChooser(const std::vector<CsvRow>& rows, bool optional);

// Chooses the entry of `column` (-1 for none).
void ChooseColumn(QComboBox* chooser, int column);

// The chosen column, -1 for none.
int ChosenColumn(const QComboBox* chooser);

// Shows the file's rows in `table` from column `first` on, after the
// columns the caller fills itself; one table row per file row.
void ShowFileRows(QTableWidget* table, const std::vector<CsvRow>& rows, int first, const QStringList& ownHeaders);

// "読み込んだファイル： name.csv（UTF-8（BOM付き））".
QString FileLine(const QString& path, TextEncoding encoding);

} // namespace miravel
