#include "grades/EvaluationList.h"

#include "core/EvaluationRules.h"
#include "core/RecordEvaluation.h"
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
    // The relative counts need test points: these subjects have records only.
    for (int s : ExtraSubjectsInUse(book))
        for (int i = 1; i <= book.StudentCount; ++i)
            if (!book.StudentNames[i - 1].empty())
                for (int v = 0; v < kViewpoints; ++v)
                    list[i - 1].letters[s][v] = CriterionLetter(book, i, s, v, period);
    if (GradeLevelWithoutGrades(book.GradeLevel))
        return list;
    for (StudentEvaluation& student : list)
        for (int s = 0; s < kRecordSubjects; ++s)
            student.grades[s] = SubjectGrade(book.Evaluation, student.letters[s]);
    return list;
}

int EvaluationListColumns(const GradeDocument& book)
{
    return kEvaluationListColumns + 4 * static_cast<int>(ExtraSubjectsInUse(book).size());
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
    std::vector<int> subjects{0, 1, 2, 3, 4, 5};
    for (int s : ExtraSubjectsInUse(book))
        subjects.push_back(s);
    const int columns = EvaluationListColumns(book);
    grid.SetCols(columns);
    grid.Clear();
    book.ShownColumnCount = columns;
    grid.SetColWidth(0, kNumberColumnWidth);
    grid.SetColWidth(1, kNameColumnWidth);
    grid.SetTextMatrix(0, 0, "No.");
    grid.SetTextMatrix(0, 1, "生徒氏名");
    for (std::size_t at = 0; at < subjects.size(); ++at) {
        const int s = subjects[at];
        const int first = 2 + 4 * static_cast<int>(at);
        grid.SetTextMatrix(0, first, RecordSubjectName(book, s));
        for (int k = 0; k < 4; ++k) {
            grid.SetColWidth(first + k, kLetterColumnWidth);
            grid.SetColAlignment(first + k, Alignment::CenterCenter);
            grid.SetTextMatrix(1, first + k, k < kViewpoints ? RecordViewpointName(book, s, k) : std::string("評定"));
        }
    }
    const std::vector<StudentEvaluation> list = EvaluatePeriod(book, period);
    for (int i = 1; i <= book.StudentCount; ++i) {
        const int row = i + kHeaderRows - 1;
        grid.SetTextMatrix(row, 0, Str(i));
        grid.SetTextMatrix(row, 1, book.StudentNames[i - 1]);
        const StudentEvaluation& student = list[i - 1];
        for (std::size_t at = 0; at < subjects.size(); ++at) {
            const int s = subjects[at];
            const int first = 2 + 4 * static_cast<int>(at);
            for (int v = 0; v < kViewpoints; ++v)
                grid.SetTextMatrix(row, first + v, student.letters[s][v]);
            grid.SetTextMatrix(row, first + 3, student.grades[s]);
        }
    }
}

} // namespace miravel
