#include "core/RecordEvaluation.h"

#include <cmath>

namespace miravel {

namespace {

// The combined share as a fraction N/D of percent: N = (100-p)·X·G + p·Y·F
// and D = F·G. One side missing takes p to 0 or 100 and its sums to 0/1, so
// tests alone compare 100·X with a·F exactly as before records existed.
struct Share {
    double numerator = 0;
    double denominator = 1;
};

Share ShareOf(const LetterEvidence& e)
{
    double x = e.tests.points, f = e.tests.fullMarks, y = e.records.points, g = e.records.fullPoints;
    int p = e.weight;
    if (!e.records.any()) {
        p = 0;
        y = 0;
        g = 1;
    } else if (!e.tests.any) {
        p = 100;
        x = 0;
        f = 1;
    }
    return {(100 - p) * x * g + p * y * f, f * g};
}

} // namespace

LetterEvidence EvidenceOf(const GradeDocument& book, int student, int subject, int viewpoint, int period)
{
    LetterEvidence e;
    if (subject < kSubjects)
        e.tests = CriterionTotals(book, student, subject, viewpoint, period);
    e.records = RecordTotals(book.Evaluation.Records, student, subject, viewpoint, period);
    e.weight = book.Evaluation.Records.Weight(subject, viewpoint);
    return e;
}

std::string EvidenceLetter(const LetterEvidence& evidence, const CriterionCut& cut)
{
    if (!evidence.any())
        return std::string();
    const Share share = ShareOf(evidence);
    if (share.numerator >= cut.a * share.denominator)
        return "A";
    if (share.numerator < cut.c * share.denominator)
        return "C";
    return "B";
}

std::string EvidenceShareText(const LetterEvidence& evidence)
{
    if (!evidence.any())
        return std::string();
    const Share share = ShareOf(evidence);
    // The largest d with d·D <= 10·N; the quotient is only a first guess.
    const double scaled = 10.0 * share.numerator;
    auto tenths = static_cast<long long>(std::floor(scaled / share.denominator));
    while (static_cast<double>(tenths) * share.denominator > scaled)
        --tenths;
    while (static_cast<double>(tenths + 1) * share.denominator <= scaled)
        ++tenths;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string RecordSubjectName(const GradeDocument& book, int subject)
{
    return subject < kSubjects ? book.SubjectTable[subject][0]
                               : book.Evaluation.Records.extra[subject - kSubjects].name;
}

std::string RecordViewpointName(const GradeDocument& book, int subject, int viewpoint)
{
    return subject < kSubjects ? book.SubjectTable[subject][viewpoint + 1]
                               : book.Evaluation.Records.extra[subject - kSubjects].viewpoints[viewpoint];
}

std::vector<int> ExtraSubjectsInUse(const GradeDocument& book)
{
    std::vector<int> subjects;
    for (int s = kSubjects; s < kRecordSubjects; ++s)
        if (RecordSubjectInUse(book.Evaluation.Records, s))
            subjects.push_back(s);
    return subjects;
}

} // namespace miravel
