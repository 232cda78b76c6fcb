#include "grades/GridBase.h"

#include "core/TextRules.h"

namespace miravel {

std::string ClassLine(const GradeBook& book)
{
    return book.SchoolYear + " " + book.GradeLevel + book.ClassName + " " + book.TeacherName;
}

std::string CaptionLine(const GradeBook& book)
{
    return ClassLine(book) + " 生徒数（" + Str(book.CountEnrolledStudents()) + "名）";
}

void MSFlexGrid1_init(const GradeBook& book, TextGrid& grid)
{
    grid.SetColWidth(0, kNumberColumnWidth);
    grid.SetRowHeight(0, kHeaderRowHeight);
    grid.SetRows(kGridBaseRows);
    grid.SetCols(kGridColumns);
    grid.SetColWidth(1, kNameColumnWidth);
    grid.SetTextMatrix(0, 1, "生徒氏名");
    if (book.StudentCount > 0) {
        for (int i = 1; i <= book.StudentCount; ++i) {
            grid.SetTextMatrix(i, 0, Str(i));
            grid.SetTextMatrix(i, 1, book.StudentNames[i - 1]);
        }
        // A row left over from a longer roster loses its number and name.
        grid.SetTextMatrix(book.StudentCount + 1, 0, "");
        grid.SetTextMatrix(book.StudentCount + 1, 1, "");
    }
}

void ShowRosterView(GradeBook& book, TablePane& pane)
{
    TextGrid& grid = pane.Grid;
    pane.Caption = CaptionLine(book);
    grid.SetRows(book.StudentCount + 3);
    grid.SetCols(kGridColumns);  // the evaluation list may have widened it
    book.ShownColumnCount = 2;
    grid.SetColWidth(0, kNumberColumnWidth);
    grid.SetColWidth(1, kNameColumnWidth);
    for (int r = 0; r <= book.StudentCount + 2; ++r)
        for (int c = 2; c < grid.Cols(); ++c)
            grid.SetTextMatrix(r, c, "");
}

} // namespace miravel
