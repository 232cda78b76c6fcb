#include "grades/EvidenceChecks.h"

#include "core/EvaluationRules.h"
#include "core/RecordEvaluation.h"
#include "grades/EvaluationList.h"
#include "grades/TreeNodes.h"

namespace miravel {

namespace {

const char* const kThinEvidence = "根拠が少ない評価";

// What the class was given in a viewpoint and period: the registered tests
// that assess it and every record of it.
struct ClassEvidence {
    int count = 0;
    double fullPoints = 0;
};

ClassEvidence ClassHad(const GradeBook& book, int subject, int viewpoint, int period, bool records)
{
    ClassEvidence had;
    const int first = period == kYearRoundPeriod ? 0 : period;
    // A two-term class's old third term stays unseen, as in the other checks.
    const int last = period == kYearRoundPeriod ? ShownSemesters(book) - 1 : period;
    for (int m = first; m <= last; ++m) {
        for (int t = 0; subject < kSubjects && t < kTests; ++t) {
            const auto& slot = book.Scores[TestSlot(m, subject, t, viewpoint)];
            if (slot[kAverageColumn] < 0)
                continue;
            ++had.count;
            had.fullPoints += slot[kFullMarksColumn] > 0 ? slot[kFullMarksColumn] : 100.0;
        }
        for (const ClassRecord& record : book.Evaluation.Records.Of(subject, m))
            if (records && record.viewpoint == viewpoint && record.full > 0) {
                ++had.count;
                had.fullPoints += record.full;
            }
    }
    return had;
}

std::string OneFigure(double value)
{
    return RecordValueText(RecordKind::Points, value);
}

} // namespace

bool IsThinEvidence(int count, double fullPoints, int classCount, double classFullPoints)
{
    if (count <= 0)
        return false;
    return (count == 1 && classCount >= 2) || 3 * fullPoints < classFullPoints;
}

std::vector<ThinEvidence> FindThinEvidence(const GradeBook& book)
{
    std::vector<ThinEvidence> found;
    const bool criterion = book.Evaluation.Criterion();
    std::vector<int> subjects{0, 1, 2, 3, 4, 5};
    for (int s : ExtraSubjectsInUse(book))
        subjects.push_back(s);
    for (int p = 0; p < kPeriods; ++p) {
        if (p != kYearRoundPeriod && p >= ShownSemesters(book))
            continue;
        const std::vector<StudentEvaluation> list = EvaluatePeriod(book, p);
        for (int s : subjects) {
            const bool records = criterion || s >= kSubjects;
            for (int v = 0; v < kViewpoints; ++v) {
                const ClassEvidence had = ClassHad(book, s, v, p, records);
                if (had.count == 0)
                    continue;
                for (int n = 1; n <= static_cast<int>(list.size()); ++n) {
                    if (list[n - 1].letters[s][v].empty())
                        continue;
                    const LetterEvidence e = EvidenceOf(book, n, s, v, p);
                    const int count = e.tests.count + (records ? e.records.count : 0);
                    const double full = e.tests.fullMarks + (records ? e.records.fullPoints : 0);
                    if (IsThinEvidence(count, full, had.count, had.fullPoints))
                        found.push_back({n, s, v, p, count, had.count, full, had.fullPoints});
                }
            }
        }
    }
    return found;
}

std::vector<GradeFinding> CheckThinEvidence(const GradeBook& book)
{
    std::vector<GradeFinding> findings;
    for (const ThinEvidence& t : FindThinEvidence(book))
        findings.push_back({EvaluationNodeKey(t.period),
                            std::string(kThinEvidence) + "：" + RecordSubjectName(book, t.subject) + "　" +
                                PeriodName(book, t.period) + "　" + RecordViewpointName(book, t.subject, t.viewpoint) +
                                "：出席番号 " + std::to_string(t.student) + " " + book.StudentNames[t.student - 1] +
                                "（" + std::to_string(t.count) + "件・満点 " + OneFigure(t.fullPoints) + "、学級では " +
                                std::to_string(t.classCount) + "件・満点 " + OneFigure(t.classFullPoints) + "）"});
    return findings;
}

std::vector<GradeFinding> CheckUnevaluatedRecordSubjects(const GradeBook& book)
{
    std::vector<GradeFinding> findings;
    for (int p = 0; p < kPeriods; ++p) {
        if (p != kYearRoundPeriod && p >= ShownSemesters(book))
            continue;
        const std::vector<StudentEvaluation> list = EvaluatePeriod(book, p);
        for (int s : ExtraSubjectsInUse(book)) {
            std::vector<const ClassRecord*> records;
            for (int m = p == kYearRoundPeriod ? 0 : p; m <= (p == kYearRoundPeriod ? ShownSemesters(book) - 1 : p); ++m)
                for (const ClassRecord& record : book.Evaluation.Records.Of(s, m))
                    records.push_back(&record);
            if (records.empty())
                continue;
            std::vector<int> absent, unrecorded;
            for (int n = 1; n <= static_cast<int>(list.size()); ++n) {
                const auto& letters = list[n - 1].letters[s];
                if (book.StudentNames[n - 1].empty() || !letters[0].empty() || !letters[1].empty() ||
                    !letters[2].empty())
                    continue;
                bool allAbsent = true;
                for (const ClassRecord* record : records)
                    allAbsent = allAbsent && RecordPoints(*record, n) == kRecordAbsent;
                (allAbsent ? absent : unrecorded).push_back(n);
            }
            std::string reasons;
            if (!absent.empty())
                reasons = "すべて欠席：" + AttendanceNumbers(absent);
            if (!unrecorded.empty())
                reasons += (reasons.empty() ? "" : "、") + std::string("記録なし：") + AttendanceNumbers(unrecorded);
            if (!reasons.empty())
                findings.push_back({EvaluationNodeKey(p), RecordSubjectName(book, s) + "　" + PeriodName(book, p) +
                                                              "：評価のない生徒がいます（" + reasons + "）"});
        }
    }
    return findings;
}

} // namespace miravel
