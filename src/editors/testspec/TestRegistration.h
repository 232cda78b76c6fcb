#pragma once
// What "登録" writes into the grade book: the test's title and date, every
// score of the score table with the class averages, the examinee count and
// the full marks, then the subject's semester and year-round averages.

#include "core/GradeBook.h"
#include "core/TextGrid.h"
#include "editors/testspec/ScoreEntry.h"

#include <string>
#include <vector>

namespace miravel {

// The definition fields of the editor as typed.
struct TestDefinition {
    std::string title;          // Text1
    std::string date;           // Text2
    ViewpointTexts fullMarks;   // Text6..Text8; empty keeps the stored value
};

enum class DefinitionField { None, Title, Date, FullMarks1, FullMarks2, FullMarks3 };

struct DefinitionCheck {
    DefinitionField field = DefinitionField::None;  // None: accepted
    std::string message;
};

// Refuses a title or date with a character the file cannot store, and full
// marks outside 1..32767 (the file keeps them as whole 16-bit numbers).
DefinitionCheck CheckDefinition(const TestDefinition& definition);

// The viewpoints (0..2) that are ticked and have scores in the table but no
// full marks, neither typed nor stored: registering them would grade them
// out of 100 without a word, so the editor asks first, once for all.
std::vector<int> ViewpointsWithoutFullMarks(const GradeBook& book, const TextGrid& grid,
                                            const TestDefinition& definition, const ViewpointChecks& ticked);
// "知識・技能、思考・判断・表現の配点が入力されていません。100点として登録しますか？"
std::string FullMarksQuestion(const GradeBook& book, const std::vector<int>& viewpoints);

// A named student with some ticked viewpoints filled (a score or absent)
// and others blank: 合計点 and 順位 would count the blanks as nothing.
struct BlankEntries {
    int number = 0;
    std::vector<int> viewpoints;  // the blank ones, 0..2
    bool operator==(const BlankEntries& other) const
    {
        return number == other.number && viewpoints == other.viewpoints;
    }
};
std::vector<BlankEntries> PartlyBlankStudents(const GradeBook& book, const TextGrid& grid,
                                              const ViewpointChecks& ticked);
// "出席番号 7 の思考・判断・表現が空欄です。このまま登録しますか？"; with
// several students one line each, the first ones only when there are many.
std::string BlankEntriesQuestion(const GradeBook& book, const std::vector<BlankEntries>& students);

// Writes the checked definition and the score table into the test
// (CurrentSemester, CurrentSubject, CurrentTest), recomputes the summaries,
// sets EditAccepted and marks the document changed.
void RegisterTest(GradeBook& book, const TextGrid& grid, const TestDefinition& definition);

// Each student's average over the subject's tests of the semester (or of the
// whole year), 10000 added when absent from any of them; -2 when absent from
// all and without a score, -1 without a score. The class value is the mean
// over the named students with a value (-1 when nobody has one).
void RecomputeSemesterSummary(GradeBook& book, int semester, int subject);
void RecomputeYearRoundSummary(GradeBook& book, int subject);

} // namespace miravel
