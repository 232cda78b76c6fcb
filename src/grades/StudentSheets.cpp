#include "grades/StudentSheets.h"

#include "core/EvaluationRules.h"
#include "core/TextRules.h"
#include "grades/EvaluationList.h"
#include "grades/GradeViews.h"
#include "grades/GridBase.h"
#include "grades/RecordSheets.h"
#include "grades/SheetTexts.h"
#include "grades/TablePane.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace miravel {

namespace {

// Columns of a viewpoint's average and rank in the semester and year-round tables.
int AverageColumn(int viewpoint) { return 3 * viewpoint + 2; }
int RankColumn(int viewpoint) { return 3 * viewpoint + 3; }

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

// A registered test assesses at least one viewpoint (the tree's "lighton").
bool IsRegistered(const GradeDocument& book, int s, int m, int t)
{
    for (int v = 0; v < kViewpoints; ++v)
        if (book.Scores[TestSlot(m, s, t, v)][kAverageColumn] >= 0)
            return true;
    return false;
}

bool HasTest(const GradeDocument& book, int s, int m)
{
    for (int t = 0; t < kTests; ++t)
        if (IsRegistered(book, s, m, t))
            return true;
    return false;
}

// Points as a teacher writes them: "26", or "12.5" for a half point.
std::string Points(double value)
{
    return value == std::floor(value) ? std::to_string(static_cast<long long>(value)) : OneDecimal(value);
}

SheetTestPart TestPart(const GradeDocument& book, int slot, int number)
{
    const auto& scores = book.Scores[slot];
    const float x = scores[number - 1];
    const float average = scores[kAverageColumn];
    SheetTestPart part;
    if (x >= 0) {
        // The full marks the criterion letter counts: 100 where none is set.
        const float full = scores[kFullMarksColumn];
        part.points = Points(x) + "/" + Points(full > 0 ? full : 100.0);
    } else if (x == kAbsent) {
        part.points = "欠席";
    } else if (average >= 0) {
        part.points = "－";
    }
    if (!part.points.empty() && average >= 0)
        part.classAverage = OneDecimal(average);
    return part;
}

// The tests of subject s in the semesters shown, each semester's by date;
// undated tests keep their place after the dated ones.
std::vector<SheetTest> SubjectTests(const GradeDocument& book, int s, const std::vector<int>& periods, int number)
{
    std::vector<SheetTest> tests;
    for (int m : periods) {
        if (m == kYearRoundPeriod)
            continue;
        std::vector<std::pair<std::string, SheetTest>> dated;
        for (int t = 0; t < kTests; ++t) {
            if (!IsRegistered(book, s, m, t))
                continue;
            const auto& titles = book.SlotTitles[TestSlot(m, s, t, 0)];
            SheetTest test;
            test.semester = m;
            test.date = SheetTestDate(titles[0]);
            test.title = TrimBlanks(titles[1]).empty() ? std::string("（題名なし）") : TrimBlanks(titles[1]);
            for (int v = 0; v < kViewpoints; ++v)
                test.parts[v] = TestPart(book, TestSlot(m, s, t, v), number);
            dated.emplace_back(TrimBlanks(titles[0]), test);
        }
        std::stable_sort(dated.begin(), dated.end(), [](const auto& a, const auto& b) {
            if (a.first.empty() != b.first.empty())
                return b.first.empty();
            return a.first < b.first;
        });
        for (auto& entry : dated)
            tests.push_back(std::move(entry.second));
    }
    return tests;
}

// Averages, ranks and class averages as the semester and year-round views
// show them, for the relative mode.
void ReadViews(GradeBook& book, ClassSheets& sheets, const std::vector<int>& recorded)
{
    const SelectionKeeper keep(book);
    auto pane = std::make_unique<TablePane>();
    MSFlexGrid1_init(book, pane->Grid);
    const int averageRow = book.StudentCount + 2;
    for (int s : recorded) {
        book.CurrentSubject = static_cast<Integer>(s);
        for (int period : sheets.periods) {
            if (period == kYearRoundPeriod) {
                ShowYearRoundView(book, *pane);
            } else {
                book.CurrentSemester = static_cast<Integer>(period);
                ShowSemesterView(book, *pane);
            }
            const TextGrid& grid = pane->Grid;
            for (StudentSheet& student : sheets.students)
                for (int v = 0; v < kViewpoints; ++v) {
                    SheetMark& mark = student.subjects[s].viewpoints[v].marks[period];
                    mark.figure = grid.TextMatrix(student.number, AverageColumn(v));
                    mark.rank = TrimBlanks(grid.TextMatrix(student.number, RankColumn(v)));
                    mark.classAverage = grid.TextMatrix(averageRow, AverageColumn(v));
                }
        }
    }
}

} // namespace

std::vector<int> NamedStudents(const GradeBook& book)
{
    std::vector<int> numbers;
    for (int n = 1; n <= book.StudentCount; ++n)
        if (!book.StudentNames[n - 1].empty())
            numbers.push_back(n);
    return numbers;
}

std::vector<int> SheetPeriods(const GradeDocument& book, int lastPeriod)
{
    std::vector<int> periods;
    for (int m = 0; m < ShownSemesters(book) && m <= lastPeriod; ++m)
        periods.push_back(m);
    if (lastPeriod == kYearRoundPeriod)
        periods.push_back(kYearRoundPeriod);
    return periods;
}

int LatestSheetPeriod(const GradeDocument& book)
{
    const int shown = ShownSemesters(book);
    int latest = -1;
    for (int m = 0; m < shown; ++m)
        for (int s = 0; s < kSubjects; ++s)
            if (HasTest(book, s, m))
                latest = m;
    return latest < 0 || latest == shown - 1 ? kYearRoundPeriod : latest;
}

std::string EraDate(int year, int month, int day)
{
    const char* era = "昭和";
    int first = 1926;
    if (year > 2019 || (year == 2019 && month >= 5)) {
        era = "令和";
        first = 2019;
    } else if (year > 1989 || (year == 1989 && (month > 1 || day >= 8))) {
        era = "平成";
        first = 1989;
    }
    const int n = year - first + 1;
    return era + (n == 1 ? std::string("元") : std::to_string(n)) + "年" + std::to_string(month) + "月" +
           std::to_string(day) + "日";
}

ClassSheets GatherStudentSheets(GradeBook& book, const std::vector<int>& numbers, int lastPeriod)
{
    ClassSheets sheets;
    if (lastPeriod < 0 || lastPeriod > kYearRoundPeriod)
        lastPeriod = LatestSheetPeriod(book);
    sheets.periods = SheetPeriods(book, lastPeriod);
    sheets.caption = CaptionLine(book);
    sheets.title = "個人成績表（" +
                   (lastPeriod == kYearRoundPeriod ? std::string("通年") : PeriodName(book, sheets.periods.back()) + "まで") +
                   "）";
    sheets.className = book.SchoolYear + " " + book.GradeLevel + book.ClassName;
    sheets.teacher = TrimBlanks(book.TeacherName);
    sheets.criterion = book.Evaluation.Criterion();
    sheets.grades = !GradeLevelWithoutGrades(book.GradeLevel);
    for (int p = 0; p < kSheetPeriods; ++p)
        sheets.periodNames[p] = PeriodName(book, p);

    std::vector<int>& recorded = sheets.subjects;
    std::vector<std::string> unrecorded;
    for (int s = 0; s < kSubjects; ++s) {
        const bool any = std::any_of(sheets.periods.begin(), sheets.periods.end(),
                                     [&](int m) { return m != kYearRoundPeriod && HasTest(book, s, m); });
        if (any)
            recorded.push_back(s);
        else
            unrecorded.push_back(book.SubjectTable[s][0]);
    }
    for (const std::string& name : unrecorded)
        sheets.unrecorded += (sheets.unrecorded.empty() ? "記録のない教科：" : "・") + name;
    sheets.legend = SheetLegend(book, sheets.periods, recorded, sheets.grades);

    for (int n : numbers)
        if (n >= 1 && n <= book.StudentCount && !book.StudentNames[n - 1].empty())
            sheets.students.push_back(StudentSheet{n, TrimBlanks(book.StudentNames[n - 1]), {}, {}});
    if (sheets.students.empty())
        return sheets;

    if (!sheets.criterion)
        ReadViews(book, sheets, recorded);
    // Letters and 評定 are the evaluation list's, so the sheet, the list and
    // the views always agree.
    for (int period : sheets.periods) {
        const std::vector<StudentEvaluation> list = EvaluatePeriod(book, period);
        for (StudentSheet& student : sheets.students)
            for (int s = 0; s < kRecordSubjects; ++s) {
                const StudentEvaluation& evaluation = list[student.number - 1];
                student.subjects[s].grade[period] = evaluation.grades[s];
                for (int v = 0; v < kViewpoints; ++v)
                    student.subjects[s].viewpoints[v].marks[period].letter = evaluation.letters[s][v];
            }
    }
    for (StudentSheet& student : sheets.students) {
        std::vector<MissingMark> missing;
        for (int s : recorded) {
            SheetSubject& subject = student.subjects[s];
            subject.name = book.SubjectTable[s][0];
            if (sheets.criterion)
                subject.cuts = CutText(book, s);
            subject.tests = SubjectTests(book, s, sheets.periods, student.number);
            for (int v = 0; v < kViewpoints; ++v) {
                SheetViewpoint& viewpoint = subject.viewpoints[v];
                viewpoint.name = book.SubjectTable[s][v + 1];
                for (int period : sheets.periods) {
                    SheetMark& mark = viewpoint.marks[period];
                    if (sheets.criterion)
                        mark.figure = RecordSheetFigure(book, student.number, s, v, period);
                    if (mark.letter.empty())
                        missing.push_back({s, v, period, ReasonOfMissing(book, student.number, s, v, period)});
                }
            }
        }
        student.missing = MissingLines(book, missing, sheets.periods);
    }
    AddRecordSheets(book, sheets);
    return sheets;
}

} // namespace miravel
