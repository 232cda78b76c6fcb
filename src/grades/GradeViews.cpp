#include "grades/GradeViews.h"

#include "core/EvaluationRules.h"
#include "core/TextRules.h"
#include "grades/CellRules.h"
#include "grades/GridBase.h"

#include <string>

namespace miravel {

namespace {

const char* const kIdeographicSpace = "　";
const char* const kClassAverageLabel = "クラスの平均点";
constexpr int kValueColumnWidth = 800;
constexpr int kTestColumnWidth = 1000;
constexpr int kRankColumnWidth = 900;

// Steps every grade view starts with: its row count, the fixed columns and
// empty value cells.
void StartTable(GradeBook& book, TextGrid& grid, int shownColumns)
{
    grid.SetRows(book.StudentCount + 3);
    grid.SetCols(kGridColumns);  // the evaluation list may have widened it
    book.ShownColumnCount = static_cast<Integer>(shownColumns);
    grid.SetColWidth(0, kNumberColumnWidth);
    grid.SetColWidth(1, kNameColumnWidth);
    grid.SetTextMatrix(0, 0, "No.");
    for (int r = 0; r <= book.StudentCount + 2; ++r)
        for (int c = 2; c < grid.Cols(); ++c)
            grid.SetTextMatrix(r, c, "");
    grid.SetTextMatrix(book.StudentCount + 2, 1, kClassAverageLabel);
}

void SetValueColumn(TextGrid& grid, int col, int width, const std::string& header)
{
    grid.SetColWidth(col, width);
    grid.SetColAlignment(col, Alignment::RightCenter);
    grid.SetTextMatrix(0, col, header);
}

bool HasName(const GradeBook& book, int attendanceNumber) { return !book.StudentNames[attendanceNumber - 1].empty(); }

// Ranks a viewpoint's summary part into rankColumn and writes the letters
// of the book's mode: by rank and the A/C counts, or by the criteria, where
// every named student with a score has a letter whatever his rank.
void RankAndEvaluate(GradeBook& book, TextGrid& grid, int slot, int rankColumn, const EvaluationTarget& evaluation)
{
    if (!book.Evaluation.Criterion()) {
        RankNumeric(book, grid, slot, rankColumn, &evaluation);
        return;
    }
    RankNumeric(book, grid, slot, rankColumn, nullptr);
    for (int i = 1; i <= book.StudentCount; ++i)
        grid.SetTextMatrix(i, evaluation.column,
                           HasName(book, i) ? CriterionLetter(book, i, evaluation.subject, evaluation.viewpoint,
                                                              evaluation.period)
                                            : std::string());
}

// The semester and year-round tables differ only in their slots, period and
// caption. slots[p] is the summary slot of part p.
void DrawSummaryTable(GradeBook& book, TablePane& pane, const int (&slots)[kParts], int period)
{
    TextGrid& grid = pane.Grid;
    const int s = book.CurrentSubject;
    StartTable(book, grid, 13);
    for (int i = 0; i < kStudents; ++i)
        book.StudentTotals[i] = 0;

    for (int p = 0; p < kViewpoints; ++p) {
        const std::string& name = book.SubjectTable[s][p + 1];
        SetValueColumn(grid, 3 * p + 2, kValueColumnWidth, name + "\r 平均点");
        SetValueColumn(grid, 3 * p + 3, kValueColumnWidth, name + "\r 順位");
        SetValueColumn(grid, 3 * p + 4, kValueColumnWidth, name + "\r 評定");
    }
    SetValueColumn(grid, 11, kValueColumnWidth, book.SubjectTable[s][0] + "\r 平均点");
    SetValueColumn(grid, 12, kValueColumnWidth, book.SubjectTable[s][0] + "\r 順位");

    for (int i = 1; i <= book.StudentCount; ++i)
        if (HasName(book, i))
            for (int p = 0; p < kParts; ++p)
                WriteAverageCell(grid, i, 3 * p + 2, book.Scores[slots[p]][i - 1]);
    for (int p = 0; p < kParts; ++p)
        WriteAverageCell(grid, book.StudentCount + 2, 3 * p + 2, book.Scores[slots[p]][kAverageColumn]);

    const int base = book.CountEnrolledStudents();
    for (int p = 0; p < kParts; ++p) {
        if (p == kTotalPart) {
            RankNumeric(book, grid, slots[p], 3 * p + 3, nullptr);
        } else {
            const EvaluationTarget evaluation{3 * p + 4, period, s, p, base};
            RankAndEvaluate(book, grid, slots[p], 3 * p + 3, evaluation);
        }
    }
}

} // namespace

std::string TestColumnHeader(const std::string& title, const std::string& date)
{
    // Pairs of blanks become one blank, then every blank a line break.
    std::string single;
    for (std::size_t i = 0; i < title.size(); ++i) {
        single += title[i];
        if (title[i] == ' ' && i + 1 < title.size() && title[i + 1] == ' ')
            ++i;
    }
    for (char& ch : single)
        if (ch == ' ')
            ch = '\r';
    return single + "\r" + date;
}

void ShowTestView(GradeBook& book, TablePane& pane)
{
    TextGrid& grid = pane.Grid;
    const int s = book.CurrentSubject, m = book.CurrentSemester, t = book.CurrentTest;
    const int titleSlot = TestSlot(m, s, t, 0);
    pane.Caption = CaptionLine(book) + kIdeographicSpace + book.SubjectTable[s][0] + kIdeographicSpace +
                   book.SlotTitles[titleSlot][0] + " " + book.SlotTitles[titleSlot][1];

    StartTable(book, grid, 7);
    for (int p = 0; p < kViewpoints; ++p)
        SetValueColumn(grid, p + 2, kValueColumnWidth, book.SubjectTable[s][p + 1]);
    SetValueColumn(grid, 5, kValueColumnWidth, "合計点");
    SetValueColumn(grid, 6, kValueColumnWidth, "順位");

    for (int i = 1; i <= book.StudentCount; ++i)
        if (HasName(book, i))
            for (int p = 0; p < kParts; ++p)
                WriteIntegerCell(grid, i, p + 2, RoundToInteger(book.Scores[TestSlot(m, s, t, p)][i - 1]));
    for (int p = 0; p < kParts; ++p)
        WriteAverageCell(grid, book.StudentCount + 2, p + 2, book.Scores[TestSlot(m, s, t, p)][kAverageColumn]);

    RankText(book, grid, 5, 6);
}

void ShowSemesterView(GradeBook& book, TablePane& pane)
{
    const int s = book.CurrentSubject, m = book.CurrentSemester;
    pane.Caption = CaptionLine(book) + kIdeographicSpace + book.SubjectTable[s][0] + kIdeographicSpace +
                   book.SemesterNames[m];
    int slots[kParts];
    for (int p = 0; p < kParts; ++p)
        slots[p] = SemesterSummarySlot(m, s, p);
    DrawSummaryTable(book, pane, slots, m);
}

void ShowYearRoundView(GradeBook& book, TablePane& pane)
{
    const int s = book.CurrentSubject;
    pane.Caption = CaptionLine(book) + kIdeographicSpace + book.SubjectTable[s][0];
    int slots[kParts];
    for (int p = 0; p < kParts; ++p)
        slots[p] = YearRoundSlot(s, p);
    DrawSummaryTable(book, pane, slots, kYearRoundPeriod);
}

void ShowViewpointView(GradeBook& book, TablePane& pane)
{
    TextGrid& grid = pane.Grid;
    const int s = book.CurrentSubject, m = book.CurrentSemester, v = book.CurrentViewpoint;
    pane.Caption = CaptionLine(book) + kIdeographicSpace + book.SubjectTable[s][0] + kIdeographicSpace +
                   book.SubjectTable[s][v + 1];

    StartTable(book, grid, 15);
    for (int i = 0; i < kStudents; ++i)
        book.StudentTotals[i] = 0;

    // Test positions 0..9 and the semester summary at 10 share one stride.
    auto slotAt = [&](int a) { return m * 264 + s * 44 + a * 4 + v; };
    for (int a = 0; a < kTests; ++a) {
        const int titleSlot = TestSlot(m, s, a, 0);
        SetValueColumn(grid, a + 2, kTestColumnWidth,
                       TestColumnHeader(book.SlotTitles[titleSlot][1], book.SlotTitles[titleSlot][0]));
    }
    SetValueColumn(grid, 12, kTestColumnWidth, "平均点");
    SetValueColumn(grid, 13, kRankColumnWidth, "順位");
    SetValueColumn(grid, 14, kRankColumnWidth, "評定");

    for (int i = 1; i <= book.StudentCount; ++i)
        if (HasName(book, i))
            for (int a = 0; a <= kTests; ++a)
                WriteIntegerCell(grid, i, a + 2, RoundToInteger(book.Scores[slotAt(a)][i - 1]));
    for (int a = 0; a <= kTests; ++a)
        WriteAverageCell(grid, book.StudentCount + 2, a + 2, book.Scores[slotAt(a)][kAverageColumn]);

    // This view takes the C count from the highest attendance number in use.
    const EvaluationTarget evaluation{14, m, s, v, book.StudentCount};
    RankAndEvaluate(book, grid, SemesterSummarySlot(m, s, v), 13, evaluation);
}

} // namespace miravel
