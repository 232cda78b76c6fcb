#include "grades/EvaluationList.h"

#include "core/EvaluationRules.h"
#include "core/TextRules.h"
#include "grades/CellRules.h"
#include "grades/GridBase.h"

#include <algorithm>

namespace miravel {

namespace {

constexpr int kLetterColumnWidth = 640;
constexpr int kHeaderRows = 2;

int SummarySlot(int period, int subject, int viewpoint)
{
    return period == kYearRoundPeriod ? YearRoundSlot(subject, viewpoint)
                                      : SemesterSummarySlot(period, subject, viewpoint);
}

// The letters the semester and year-round views give by rank and counts.
void RelativeLetters(const GradeBook& book, int period, std::vector<StudentEvaluation>& list)
{
    const int base = book.CountEnrolledStudents();
    for (int s = 0; s < kSubjects; ++s)
        for (int v = 0; v < kViewpoints; ++v) {
            const int slot = SummarySlot(period, s, v);
            if (book.Scores[slot][kAverageColumn] < 0)
                continue;  // nothing registered: the views rank nobody
            const LetterRule rule = StoredLetterRule(book, EvaluationTarget{0, period, s, v, base});
            const ColumnGrades grades = GradeColumn(book, slot, &rule);
            for (int i = 1; i <= book.StudentCount; ++i)
                list[i - 1].letters[s][v] = grades[i - 1].letter;
        }
}

} // namespace

std::vector<StudentEvaluation> EvaluatePeriod(const GradeBook& book, int period)
{
    std::vector<StudentEvaluation> list(static_cast<std::size_t>(std::max<int>(book.StudentCount, 0)));
    if (book.Evaluation.Criterion()) {
        for (int i = 1; i <= book.StudentCount; ++i)
            if (!book.StudentNames[i - 1].empty())
                for (int s = 0; s < kSubjects; ++s)
                    for (int v = 0; v < kViewpoints; ++v)
                        list[i - 1].letters[s][v] = CriterionLetter(book, i, s, v, period);
    } else {
        RelativeLetters(book, period, list);
    }
    if (GradeLevelWithoutGrades(book.GradeLevel))
        return list;
    for (StudentEvaluation& student : list)
        for (int s = 0; s < kSubjects; ++s)
            student.grades[s] = SubjectGrade(book.Evaluation, student.letters[s]);
    return list;
}

std::string PeriodName(const GradeBook& book, int period)
{
    return period == kYearRoundPeriod ? std::string("通年") : book.SemesterNames[period];
}

void ShowEvaluationListView(GradeBook& book, TablePane& pane, int period)
{
    TextGrid& grid = pane.Grid;
    pane.Caption = CaptionLine(book) + "　評価の一覧　" + PeriodName(book, period);
    grid.SetRows(book.StudentCount + kHeaderRows);
    grid.SetCols(kEvaluationListColumns);
    grid.Clear();
    book.ShownColumnCount = kEvaluationListColumns;
    grid.SetColWidth(0, kNumberColumnWidth);
    grid.SetColWidth(1, kNameColumnWidth);
    grid.SetTextMatrix(0, 0, "No.");
    grid.SetTextMatrix(0, 1, "生徒氏名");
    for (int s = 0; s < kSubjects; ++s) {
        const int first = 2 + 4 * s;
        grid.SetTextMatrix(0, first, book.SubjectTable[s][0]);
        for (int k = 0; k < 4; ++k) {
            grid.SetColWidth(first + k, kLetterColumnWidth);
            grid.SetColAlignment(first + k, Alignment::CenterCenter);
            grid.SetTextMatrix(1, first + k, k < kViewpoints ? book.SubjectTable[s][k + 1] : std::string("評定"));
        }
    }
    const std::vector<StudentEvaluation> list = EvaluatePeriod(book, period);
    for (int i = 1; i <= book.StudentCount; ++i) {
        const int row = i + kHeaderRows - 1;
        grid.SetTextMatrix(row, 0, Str(i));
        grid.SetTextMatrix(row, 1, book.StudentNames[i - 1]);
        const StudentEvaluation& student = list[i - 1];
        for (int s = 0; s < kSubjects; ++s) {
            for (int v = 0; v < kViewpoints; ++v)
                grid.SetTextMatrix(row, 2 + 4 * s + v, student.letters[s][v]);
            grid.SetTextMatrix(row, 5 + 4 * s, student.grades[s]);
        }
    }
}

} // namespace miravel
