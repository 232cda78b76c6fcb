#pragma once
// How tests and records make one letter in the evaluation by criteria: the
// tests' share T and the records' share R combine as (1 - w)·T + w·R with w
// the viewpoint's 記録の割合; when only one of them exists it alone decides.
// Subjects 7..10 have records only.

#include "core/EvaluationRules.h"
#include "core/GradeBook.h"

#include <string>
#include <vector>

namespace miravel {

// What one student's letter of a subject, viewpoint and period rests on.
struct LetterEvidence {
    CriterionSums tests;
    RecordSums records;
    int weight = kDefaultRecordWeight;  // 記録の割合 in percent
    bool any() const { return tests.any || records.any(); }
    bool absent() const { return tests.absent || records.absent; }
};

// Subject 0..9, viewpoint 0..2, period 0..2 or 3 (通年).
LetterEvidence EvidenceOf(const GradeDocument& book, int student, int subject, int viewpoint, int period);

// "A" at or above the cut's a percent of the combined share, "C" below c,
// else "B"; empty without evidence. Compared in exact products, so exactly
// 80 % is A.
std::string EvidenceLetter(const LetterEvidence& evidence, const CriterionCut& cut);

// The combined share in percent with one decimal, cut down as
// CriterionShareText is; empty without evidence.
std::string EvidenceShareText(const LetterEvidence& evidence);

// The subject's name and its viewpoint's: the book's for 0..5, the
// settings' for 6..9.
std::string RecordSubjectName(const GradeDocument& book, int subject);
std::string RecordViewpointName(const GradeDocument& book, int subject, int viewpoint);

// Subjects 6..9 that are named, in order.
std::vector<int> ExtraSubjectsInUse(const GradeDocument& book);

} // namespace miravel
