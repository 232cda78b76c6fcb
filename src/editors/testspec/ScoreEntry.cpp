#include "editors/testspec/ScoreEntry.h"

#include "core/TextRules.h"
#include "editors/testspec/ScoreTable.h"
#include "editors/testspec/TestSpecTexts.h"

namespace miravel {

namespace texts = testspec_texts;

namespace {

constexpr double kHighestScore = 100;

bool OnlyDigitsAndBlanks(const std::string& text)
{
    for (char c : text)
        if (c != ' ' && (c < '0' || c > '9'))
            return false;
    return true;
}

const char* EntryFault(const std::string& entry, const std::string& fullMarks)
{
    if (!OnlyDigitsAndBlanks(entry))
        return texts::kNotDigits;
    // Read as a real number: any count of digits compares without overflow.
    const double score = LeadingNumber(entry);
    if (!fullMarks.empty() && score > LeadingNumber(fullMarks))
        return texts::kAboveFullMarks;
    if (score > kHighestScore)
        return texts::kAbove100;
    return nullptr;
}

Integer EntryValue(const std::string& entry)
{
    if (entry.empty())
        return -1;
    if (IsAbsentMark(entry))
        return -2;
    return static_cast<Integer>(LeadingNumber(entry)); // checked: 0..100
}

bool Named(const GradeBook& book, int n) { return !book.StudentNames[n - 1].empty(); }

} // namespace

bool IsAbsentMark(std::string_view text)
{
    for (std::string_view absent : {"*", "\xEF\xBC\x8A" /* ＊ */, "欠", "欠席", "\xEF\xBC\x8F" /* ／ */, "/"})
        if (text == absent)
            return true;
    return false;
}

EntryCheck CheckEntries(const ViewpointTexts& entries, const ViewpointTexts& fullMarks)
{
    for (int k = 0; k < kViewpoints; ++k) {
        if (IsAbsentMark(entries[k]))
            continue;
        if (const char* fault = EntryFault(entries[k], fullMarks[k]))
            return {false, k, fault};
    }
    return {};
}

EntryCheck CommitEntries(GradeBook& book, TextGrid& grid, const ViewpointTexts& entries,
                         const ViewpointTexts& fullMarks)
{
    book.ScoreCheckFailed = 0;
    if (grid.Rows() < kStudents + 1 || book.CurrentStudentNo == 0)
        return {};
    const EntryCheck check = CheckEntries(entries, fullMarks);
    if (!check.accepted) {
        book.ScoreCheckFailed = -1;
        return check;
    }

    const int row = book.CurrentStudentNo;
    bool absent = false, anyScore = false;
    int total = 0;
    for (int k = 0; k < kViewpoints; ++k) {
        const Integer value = EntryValue(entries[k]);
        ScoreToCell(grid, row, kFirstViewpointColumn + k, value);
        absent = absent || value == -2;
        anyScore = anyScore || value >= 0;
        if (value >= 0)
            total += value;
    }
    if (absent) {
        grid.SetTextMatrix(row, kTotalColumn, "*");
        grid.SetTextMatrix(row, kRankColumn, "*");
    } else if (anyScore) {
        ScoreToCell(grid, row, kTotalColumn, static_cast<Integer>(total));
    } else {
        grid.SetTextMatrix(row, kTotalColumn, "");
        grid.SetTextMatrix(row, kRankColumn, "");
    }
    RecomputeAveragesAndRanks(book, grid);
    return check;
}

int NextStudent(const GradeBook& book, int n)
{
    for (int m = n < book.StudentCount ? n + 1 : n; m <= book.StudentCount; ++m)
        if (Named(book, m))
            return m;
    return n;
}

int PreviousStudent(const GradeBook& book, int n)
{
    for (int m = n > 1 ? n - 1 : n; m >= 1; --m)
        if (Named(book, m))
            return m;
    return n;
}

int FocusAfterMove(const ViewpointChecks& checks)
{
    for (int k = 0; k < kViewpoints; ++k)
        if (checks[k])
            return k;
    return kViewpoints - 1;
}

int FocusAfterTableClick(const ViewpointChecks& checks, int col)
{
    // A click on viewpoint 2's or 3's column goes to its field, else to the
    // first field, else to the remaining one of those two.
    const int k = col - kFirstViewpointColumn;
    if (k == 1 || k == 2) {
        if (checks[k])
            return k;
        if (checks[0])
            return 0;
        return 3 - k;
    }
    return FocusAfterMove(checks);
}

ViewpointTexts AbsentEntries(const ViewpointChecks& checks)
{
    ViewpointTexts entries;
    for (int k = 0; k < kViewpoints; ++k)
        entries[k] = checks[k] ? "*" : "";
    return entries;
}

ViewpointTexts RowEntries(const TextGrid& grid, int n)
{
    ViewpointTexts entries;
    for (int k = 0; k < kViewpoints; ++k)
        entries[k] = grid.TextMatrix(n, kFirstViewpointColumn + k);
    return entries;
}

} // namespace miravel
