#include "grades/StudentSheets.h"

#include "core/EvaluationRules.h"
#include "grades/EvaluationList.h"
#include "grades/GradeViews.h"
#include "grades/GridBase.h"
#include "grades/TablePane.h"

#include <memory>

namespace miravel {

namespace {

// Column of a viewpoint's average in the semester and year-round tables.
int AverageColumn(int viewpoint) { return 3 * viewpoint + 2; }

// Keeps the selection and the shown column count while the views draw.
class SelectionKeeper {
public:
    explicit SelectionKeeper(GradeBook& book)
        : book_(book), subject_(book.CurrentSubject), semester_(book.CurrentSemester), shown_(book.ShownColumnCount)
    {
    }
    ~SelectionKeeper()
    {
        book_.CurrentSubject = subject_;
        book_.CurrentSemester = semester_;
        book_.ShownColumnCount = shown_;
    }
    SelectionKeeper(const SelectionKeeper&) = delete;
    SelectionKeeper& operator=(const SelectionKeeper&) = delete;

private:
    GradeBook& book_;
    Integer subject_, semester_, shown_;
};

} // namespace

std::vector<int> NamedStudents(const GradeBook& book)
{
    std::vector<int> numbers;
    for (int n = 1; n <= book.StudentCount; ++n)
        if (!book.StudentNames[n - 1].empty())
            numbers.push_back(n);
    return numbers;
}

ClassSheets GatherStudentSheets(GradeBook& book, const std::vector<int>& numbers)
{
    ClassSheets sheets;
    sheets.caption = CaptionLine(book);
    for (int p = 0; p < kSheetPeriods; ++p) {
        sheets.periodNames[p] = PeriodName(book, p);
        sheets.periodShown[p] = p == kYearRoundPeriod || p < ShownSemesters(book);
    }

    for (int n : numbers)
        if (n >= 1 && n <= book.StudentCount && !book.StudentNames[n - 1].empty())
            sheets.students.push_back(StudentSheet{n, book.StudentNames[n - 1], {}});
    if (sheets.students.empty())
        return sheets;

    const SelectionKeeper keep(book);
    auto pane = std::make_unique<TablePane>();
    MSFlexGrid1_init(book, pane->Grid);
    const int averageRow = book.StudentCount + 2;
    // Letters and 評定 are the evaluation list's, so the sheet, the list and
    // the views always agree; the averages are read from the views.
    for (int period = 0; period < kSheetPeriods; ++period) {
        const std::vector<StudentEvaluation> list = EvaluatePeriod(book, period);
        for (StudentSheet& student : sheets.students)
            for (int s = 0; s < kSubjects; ++s) {
                const StudentEvaluation& evaluation = list[student.number - 1];
                student.subjects[s].grade[period] = evaluation.grades[s];
                for (int v = 0; v < kViewpoints; ++v)
                    student.subjects[s].viewpoints[v].letter[period] = evaluation.letters[s][v];
            }
    }
    for (int s = 0; s < kSubjects; ++s) {
        book.CurrentSubject = static_cast<Integer>(s);
        for (int period = 0; period < kSheetPeriods; ++period) {
            if (period == kYearRoundPeriod) {
                ShowYearRoundView(book, *pane);
            } else {
                book.CurrentSemester = static_cast<Integer>(period);
                ShowSemesterView(book, *pane);
            }
            const TextGrid& grid = pane->Grid;
            for (StudentSheet& student : sheets.students) {
                SheetSubject& subject = student.subjects[s];
                subject.name = book.SubjectTable[s][0];
                for (int v = 0; v < kViewpoints; ++v) {
                    SheetViewpoint& viewpoint = subject.viewpoints[v];
                    viewpoint.name = book.SubjectTable[s][v + 1];
                    viewpoint.average[period] = grid.TextMatrix(student.number, AverageColumn(v));
                    viewpoint.classAverage[period] = grid.TextMatrix(averageRow, AverageColumn(v));
                }
            }
        }
    }
    return sheets;
}

} // namespace miravel
