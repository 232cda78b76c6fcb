#pragma once
// What "登録" writes into the grade book: the test's title and date, every
// score of the score table with the class averages, the examinee count and
// the full marks, then the subject's semester and year-round averages.

#include "core/GradeBook.h"
#include "core/TextGrid.h"
#include "editors/testspec/ScoreEntry.h"

#include <string>

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

// The first viewpoint (0..2) that is ticked and has scores in the table but
// no full marks, neither typed nor stored, or -1: registering it would grade
// it out of 100 without a word, so the editor asks first.
int ViewpointWithoutFullMarks(const GradeBook& book, const TextGrid& grid, const TestDefinition& definition,
                              const ViewpointChecks& ticked);
// "表現の配点が入力されていません。100点として登録しますか？"
std::string FullMarksQuestion(const GradeBook& book, int viewpoint);

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
