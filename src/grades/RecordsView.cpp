#include "grades/RecordsView.h"

#include "core/RecordEvaluation.h"
#include "core/TextRules.h"
#include "grades/GridBase.h"

#include <algorithm>

namespace miravel {

namespace {

constexpr int kHeaderRows = 3;
constexpr int kRecordColumnWidth = 1300;  // room for a date

} // namespace

void ShowRecordsView(GradeBook& book, TablePane& pane, int subject, int period)
{
    const std::vector<ClassRecord>& records = book.Evaluation.Records.Of(subject, period);
    TextGrid& grid = pane.Grid;
    pane.Caption = CaptionLine(book) + "　" + RecordSubjectName(book, subject) + " " + book.SemesterNames[period] +
                   "の平常の記録";
    const int columns = 2 + std::max<int>(1, static_cast<int>(records.size()));
    grid.SetRows(book.StudentCount + kHeaderRows);
    grid.SetCols(columns);
    grid.Clear();
    book.ShownColumnCount = static_cast<Integer>(columns);
    grid.SetColWidth(0, kNumberColumnWidth);
    grid.SetColWidth(1, kNameColumnWidth);
    grid.SetTextMatrix(0, 0, "No.");
    grid.SetTextMatrix(0, 1, "生徒氏名");
    if (records.empty()) {
        grid.SetColWidth(2, 4 * kRecordColumnWidth);
        grid.SetTextMatrix(0, 2, "記録はまだありません（[平常の記録]で加えます）");
    }
    for (std::size_t k = 0; k < records.size(); ++k) {
        const ClassRecord& record = records[k];
        const int col = 2 + static_cast<int>(k);
        grid.SetColWidth(col, kRecordColumnWidth);
        grid.SetColAlignment(col, Alignment::CenterCenter);
        grid.SetTextMatrix(0, col, record.title);
        grid.SetTextMatrix(1, col, record.date);
        grid.SetTextMatrix(2, col, RecordViewpointName(book, subject, record.viewpoint) + " " +
                                       (record.kind == RecordKind::Mark
                                            ? std::string("記号")
                                            : RecordValueText(RecordKind::Points, record.full) + "点"));
    }
    for (int n = 1; n <= book.StudentCount; ++n) {
        const int row = n + kHeaderRows - 1;
        grid.SetTextMatrix(row, 0, Str(n));
        grid.SetTextMatrix(row, 1, book.StudentNames[n - 1]);
        for (std::size_t k = 0; k < records.size(); ++k)
            grid.SetTextMatrix(row, 2 + static_cast<int>(k), RecordValueText(records[k].kind, records[k].values[n - 1]));
    }
}

} // namespace miravel
