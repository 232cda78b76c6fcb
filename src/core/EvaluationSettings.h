#pragma once
// How the book turns scores into the letters A, B and C and into a
// subject's 評定 (1..3): by the teacher's A/C counts (relative) or by
// percentages of the full marks (criterion), and whether the school year has
// three terms or two. Kept beside the book in its companion file; a book
// without one has the defaults, which grade exactly by the counts.

#include "core/CheckedArray.h"
#include "core/ClassRecords.h"

#include <string>
#include <vector>

namespace miravel {

// Subjects times viewpoints; the grade book checks it matches its own.
constexpr int kCriterionCuts = 18;
// Subjects 7..10 times viewpoints: their cuts follow the book's own.
constexpr int kExtraCriterionCuts = 12;
// Attendance numbers 1..40; the grade book checks it matches its own.
constexpr int kStudentRecords = 40;

enum class EvaluationMode { Relative, Criterion };

// A at or above `a` percent of the full marks, C below `c` percent.
struct CriterionCut {
    int a = 80;
    int c = 50;
    bool operator==(const CriterionCut& o) const { return a == o.a && c == o.c; }
    bool operator!=(const CriterionCut& o) const { return !(*this == o); }
};

struct EvaluationSettings {
    EvaluationMode Mode = EvaluationMode::Relative;
    int Terms = 3;                                        // 3 or 2
    CheckedArray<CriterionCut, kCriterionCuts> Cuts;  // [subject*3 + viewpoint]
    CheckedArray<CriterionCut, kExtraCriterionCuts> ExtraCuts;  // [(subject-6)*3 + viewpoint]
    // Records beside the tests, subjects 7..10 and the records' weights.
    ClassRecords Records;
    // 評定 cut points in hundredths of the mean letter (A=3, B=2, C=1):
    // 3 at or above GradeA3, 1 below GradeC1, otherwise 2.
    int GradeA3 = 250;
    int GradeC1 = 150;
    // Every student's letters and 評定 as the check list (入力の確認) last saw
    // them, entry n - 1 for attendance number n; empty until it was opened.
    std::vector<std::string> CheckedLetters;
    // What the school's systems know a student by: a student code (児童コード)
    // and an account (login ID or e-mail), entry n - 1 for attendance number
    // n; empty when not known.
    CheckedArray<std::string, kStudentRecords> StudentCodes;
    CheckedArray<std::string, kStudentRecords> StudentAccounts;
    // What this version does not read (a newer Miravel's or another tool's
    // sections and keys), as "key=value" lines under their "[section]"
    // lines, so that writing the settings back loses none of it.
    std::string OtherSettings;

    // The cut of subject 0..9 and viewpoint 0..2.
    const CriterionCut& CutOf(int subject, int viewpoint) const
    {
        return subject < kCriterionCuts / 3 ? Cuts[subject * 3 + viewpoint]
                                            : ExtraCuts[(subject - kCriterionCuts / 3) * 3 + viewpoint];
    }
    CriterionCut& CutOf(int subject, int viewpoint)
    {
        return subject < kCriterionCuts / 3 ? Cuts[subject * 3 + viewpoint]
                                            : ExtraCuts[(subject - kCriterionCuts / 3) * 3 + viewpoint];
    }
    bool Criterion() const { return Mode == EvaluationMode::Criterion; }
    bool IsDefault() const { return *this == EvaluationSettings{}; }
    bool operator==(const EvaluationSettings& o) const;
    bool operator!=(const EvaluationSettings& o) const { return !(*this == o); }
};

} // namespace miravel
