#include "editors/homeroom/StudentIds.h"

#include "editors/homeroom/HomeRoomRules.h"

namespace miravel {

void AddStudentIdColumns(const GradeDocument& book, TextGrid& grid, int codeWidth, int accountWidth)
{
    grid.SetCols(kRosterIdCols);
    grid.SetColWidth(kCodeColumn, codeWidth);
    grid.SetColWidth(kAccountColumn, accountWidth);
    grid.SetTextMatrix(0, kCodeColumn, "児童コード");
    grid.SetTextMatrix(0, kAccountColumn, "アカウント");
    for (int r = 1; r < kRosterRows; ++r) {
        grid.SetCellBackColour(r, kCodeColumn, kRosterCellColour);
        grid.SetCellBackColour(r, kAccountColumn, kRosterCellColour);
        grid.SetTextMatrix(r, kCodeColumn, book.Evaluation.StudentCodes[r - 1]);
        grid.SetTextMatrix(r, kAccountColumn, book.Evaluation.StudentAccounts[r - 1]);
    }
}

std::array<std::string, kStudents> RosterColumn(const TextGrid& grid, int col)
{
    std::array<std::string, kStudents> cells;
    for (int r = 1; r < kRosterRows && r < grid.Rows() && col < grid.Cols(); ++r)
        cells[r - 1] = grid.TextMatrix(r, col);
    return cells;
}

} // namespace miravel
