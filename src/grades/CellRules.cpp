#include "grades/CellRules.h"

#include "core/EvaluationRules.h"
#include "core/TextRules.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace miravel {

namespace {

constexpr Integer kIntegerAbsenceMark = 10000;

// A value as it is shown and stored (one decimal), times ten. Ranking on this
// makes values that look alike share a rank, also after a save and reopen:
// a flagged 10072.3 less 10000 is 72.2998... in single precision and must
// still tie with 72.3.
long ShownKey(Single value)
{
    std::string text = OneDecimal(value);
    text.erase(std::remove(text.begin(), text.end(), '.'), text.end());
    return std::strtol(text.c_str(), nullptr, 10);
}

const long kTakenKey = ShownKey(kNoValue);            // taken or no value
const long kNoPreviousKey = ShownKey(kAbsenceMark);   // before the first rank

void EmptyStudentRows(const GradeBook& book, TextGrid& grid, int col)
{
    for (int i = 1; i <= book.StudentCount; ++i)
        grid.SetTextMatrix(i, col, "");
}

bool SkippedText(const std::string& text) { return text.empty() || text == "*"; }

} // namespace

void WriteIntegerCell(TextGrid& grid, int row, int col, Integer value)
{
    // The grid itself leaves a cell alone when the text is unchanged.
    if (value == -1)
        grid.SetTextMatrix(row, col, "");
    else if (value == -2)
        grid.SetTextMatrix(row, col, "*");
    else if (value >= kIntegerAbsenceMark)
        grid.SetTextMatrix(row, col, "*" + Str(value - kIntegerAbsenceMark));
    else
        grid.SetTextMatrix(row, col, Str(value));
}

void WriteAverageCell(TextGrid& grid, int row, int col, Single value)
{
    // Always "." and never digit grouping, whatever the locale: the CSV
    // export copies these texts and a grouping comma would split a field.
    if (value == kNoValue)
        grid.SetTextMatrix(row, col, "");
    else if (value == kAbsent)
        grid.SetTextMatrix(row, col, "*");
    else if (value >= kAbsenceMark)
        grid.SetTextMatrix(row, col, "*" + OneDecimal(value - kAbsenceMark));
    else
        grid.SetTextMatrix(row, col, OneDecimal(value));
}

LetterRule StoredLetterRule(const GradeBook& book, const EvaluationTarget& target)
{
    const int k = target.subject * kViewpoints + target.viewpoint;
    return {target.period,
            target.subject,
            target.viewpoint,
            book.RankCountA[target.period][k],
            book.RankCountC[target.period][k],
            target.base};
}

std::string StudentLetter(const GradeBook& book, int attendanceNumber, int rank, const LetterRule& rule)
{
    // Graded by the criteria, the letter is the student's points against
    // the full marks, whatever his rank.
    if (book.Evaluation.Criterion())
        return CriterionLetter(book, attendanceNumber, rule.subject, rule.viewpoint, rule.period);
    // Unset counts (-1) give nobody A and put the B limit past the base.
    if (rank <= rule.countA)
        return "A";
    if (rank <= rule.base - rule.countC)
        return "B";
    return "C";
}

ColumnGrades GradeColumn(const GradeBook& book, int slot, const LetterRule* rule)
{
    ColumnGrades grades;
    const auto& scores = book.Scores[slot];
    const int last = std::clamp<int>(book.StudentCount, 0, kStudents);

    // Numbers without a name take no part, so they never use up a rank.
    long keys[kStudents];
    for (int j = 0; j < last; ++j) {
        Single value = scores[j];
        if (value >= kAbsenceMark)
            value -= kAbsenceMark;
        keys[j] = book.StudentNames[j].empty() ? kTakenKey : ShownKey(value);
    }

    // Repeatedly take the largest value (the highest index among equals);
    // equal values share the rank. Absent (-2) stays below the taken
    // entries and is never picked.
    int rank = 1;
    long previous = kNoPreviousKey;
    for (int k = 1; k <= last; ++k) {
        int c = 0;
        for (int j = 0; j < last; ++j)
            if (keys[j] >= keys[c])
                c = j;
        if (keys[c] == kTakenKey)
            break; // only taken, empty and absent entries are left
        if (previous > keys[c]) {
            rank = k;
            previous = keys[c];
        }
        if (previous != kNoPreviousKey) {
            grades[c].rank = rank;
            if (rule)
                grades[c].letter = StudentLetter(book, c + 1, rank, *rule);
        }
        keys[c] = kTakenKey;
    }
    return grades;
}

void RankNumeric(GradeBook& book, TextGrid& grid, int slot, int rankColumn, const EvaluationTarget* evaluation)
{
    if (book.Scores[slot][kAverageColumn] < 0) {
        // Nothing registered for this part.
        EmptyStudentRows(book, grid, rankColumn);
        if (evaluation)
            EmptyStudentRows(book, grid, evaluation->column);
        return;
    }
    std::optional<LetterRule> rule;
    if (evaluation)
        rule = StoredLetterRule(book, *evaluation);
    const ColumnGrades grades = GradeColumn(book, slot, rule ? &*rule : nullptr);
    for (int c = 0; c < std::clamp<int>(book.StudentCount, 0, kStudents); ++c) {
        if (grades[c].rank == 0)
            continue; // keeps the empty cells the view started with
        grid.SetTextMatrix(c + 1, rankColumn, Str(grades[c].rank));
        if (evaluation)
            grid.SetTextMatrix(c + 1, evaluation->column, grades[c].letter);
    }
}

void RankText(GradeBook& book, TextGrid& grid, int totalColumn, int rankColumn)
{
    int last = 0;
    for (int i = 1; i <= book.StudentCount; ++i) {
        book.TestEntryValues[i - 1] = grid.TextMatrix(i, totalColumn);
        if (!book.StudentNames[i - 1].empty())
            last = i;
        grid.SetTextMatrix(i, rankColumn, "");
    }
    if (last == 0)
        return;

    // The numbers are read once; an entry becomes skipped when it is taken.
    double numbers[kStudents];
    bool skipped[kStudents];
    for (int j = 0; j < last; ++j) {
        numbers[j] = LeadingNumber(book.TestEntryValues[j]);
        skipped[j] = SkippedText(book.TestEntryValues[j]);
    }

    constexpr double kNoPrevious = 10000;
    int rank = 1;
    double previous = kNoPrevious;
    for (int k = 1; k <= last; ++k) {
        int c = 0;
        bool found = false;
        for (int j = 0; j < last; ++j) {
            if (skipped[j])
                continue;
            found = true;
            if (numbers[j] >= numbers[c])
                c = j;
        }
        if (!found)
            return; // empty and "*" totals get no rank
        if (!book.StudentNames[c].empty()) {
            if (!skipped[c] && numbers[c] < previous) {
                rank = k;
                previous = numbers[c];
            }
            if (previous != kNoPrevious)
                grid.SetTextMatrix(c + 1, rankColumn, Str(rank));
        } else {
            grid.SetTextMatrix(c + 1, rankColumn, "");
        }
        book.TestEntryValues[c].clear();
        numbers[c] = 0; // what an empty text reads as
        skipped[c] = true;
    }
}

} // namespace miravel
