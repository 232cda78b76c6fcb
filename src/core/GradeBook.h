#pragma once
// The one document of the program: one school class for one school year.
// Every window reads and writes these members directly.

#include "core/CheckedArray.h"
#include "core/EvaluationSettings.h"

#include <cstdint>
#include <string>

namespace miravel {

// Fixed dimensions; all indices are 0-based.
constexpr int kStudents = 40;          // attendance number n lives at index n - 1
constexpr int kSubjects = 6;
constexpr int kViewpoints = 3;         // per subject
constexpr int kSemesters = 3;
constexpr int kPeriods = 4;            // 0..2 semesters, 3 = year-round
constexpr int kYearRoundPeriod = 3;
constexpr int kTests = 10;             // per subject and semester
constexpr int kParts = 4;              // 0..2 viewpoints, 3 = total
constexpr int kTotalPart = 3;
constexpr int kSlots = 816;
constexpr int kColumns = 45;
constexpr int kSubjectViewpoints = kSubjects * kViewpoints; // 18
static_assert(kSubjectViewpoints == kCriterionCuts, "one criterion cut per subject and viewpoint");
static_assert(kStudents == kStudentRecords, "one code and account per attendance number");
constexpr int kSubjectCatalogueSize = 10;
constexpr int kViewpointCatalogueSize = 20;
constexpr int kWorkingEntries = 41;

// Score columns of a slot besides the students' 0..39.
constexpr int kAverageColumn = 42;     // class average
constexpr int kExamineeColumn = 43;    // number of examinees
constexpr int kFullMarksColumn = 44;   // full marks (配点)

// Value codes.
constexpr float kNoValue = -1.0f;      // no score, no full marks, count not set
constexpr float kAbsent = -2.0f;       // 欠席
constexpr float kAbsenceMark = 10000.0f; // summary values from here on carry an absence
constexpr std::int16_t kCountNotSet = -1;

using Integer = std::int16_t;
using Single = float;

// Slot of test `test`, part `part` of a subject in a semester.
int TestSlot(int semester, int subject, int test, int part);
// Test position 10 of the same block: the semester averages.
int SemesterSummarySlot(int semester, int subject, int part);
// Year-round averages, slots 792..815.
int YearRoundSlot(int subject, int part);

// Everything that is stored in the data file.
struct GradeDocument {
    std::string SchoolYear;
    std::string GradeLevel;
    std::string ClassName;
    std::string TeacherName;
    Integer StudentCount = 0;  // highest attendance number in use; gaps allowed
    CheckedArray<std::string, kStudents> StudentNames;
    CheckedArray<CheckedArray<Integer, kSubjectViewpoints>, kPeriods> RankCountA;
    CheckedArray<CheckedArray<Integer, kSubjectViewpoints>, kPeriods> RankCountC;
    CheckedArray<std::string, kSemesters> SemesterNames;
    CheckedArray<CheckedArray<std::string, 4>, kSubjects> SubjectTable; // [s][0] name, [s][1..3] viewpoints
    CheckedArray<std::string, kSubjectCatalogueSize> SubjectCatalogue;
    CheckedArray<std::string, kViewpointCatalogueSize> ViewpointCatalogue;
    CheckedArray<CheckedArray<Single, kColumns>, kSlots> Scores;
    CheckedArray<CheckedArray<std::string, 2>, kSlots> SlotTitles; // [0] date text, [1] title
    // Not in the data file: kept in the companion file beside it.
    EvaluationSettings Evaluation;

    bool operator==(const GradeDocument& other) const;
    bool operator!=(const GradeDocument& other) const { return !(*this == other); }
};

// The document plus the selection, run-time flags and working arrays.
struct GradeBook : GradeDocument {
    // Selection in the navigation tree.
    std::string CurrentNodeKey;
    Integer CurrentNodeIndex = 0;
    Integer CurrentSubject = 0;
    Integer CurrentSemester = 0;
    Integer CurrentTest = 0;
    Integer CurrentViewpoint = 0;
    Integer CurrentStudentNo = 0;

    // Run-time state.
    std::string CurrentFilePath;
    bool SavedState = false;   // true while there is work not yet saved
    bool EditAccepted = false;
    Integer ShownColumnCount = 0;

    // Working arrays shared by the editors and the grade views.
    CheckedArray<std::string, kWorkingEntries> TestEntryValues;
    CheckedArray<std::string, kWorkingEntries> TestEntryTexts;
    CheckedArray<Single, kWorkingEntries> StudentTotals;
    Integer ScoreCheckFailed = 0;
    Integer ExamineeCount = 0;

    // Number of named students among attendance numbers 1..StudentCount.
    Integer CountEnrolledStudents() const;

    // Anything that changes the document after it was opened or saved calls
    // this, so closing or exiting asks before unsaved work is dropped.
    // It also tells the main window, which keeps a recovery copy. A change
    // the teacher finished on purpose (a registration, a transfer-out, an
    // import) gives its name ("学級の登録"): it can be undone as one step and
    // its recovery copy is written before this returns. A change without a
    // name belongs to the step before it, and a burst of them shares one copy.
    void MarkChanged(const std::string& step = std::string());

    // Replaces every persistent member, leaving selection and run-time state.
    void ReplaceDocument(GradeDocument&& document) { static_cast<GradeDocument&>(*this) = std::move(document); }
};

// The one shared grade book of the program.
GradeBook& Book();

// Called by every editor when it closes; set by the main window at start-up.
void EnableMainWindow();
using EnableMainWindowHook = void (*)();
void SetEnableMainWindowHook(EnableMainWindowHook hook);

// Called by GradeBook::MarkChanged() after every change, with the step's
// name or an empty one; set by the main window.
using DocumentChangedHook = void (*)(const std::string& step);
void SetDocumentChangedHook(DocumentChangedHook hook);

} // namespace miravel
