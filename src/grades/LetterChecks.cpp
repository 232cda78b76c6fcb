#include "grades/LetterChecks.h"

#include "core/EvaluationRules.h"
#include "core/RecordEvaluation.h"
#include "grades/EvaluationList.h"
#include "grades/EvidenceChecks.h"
#include "grades/TreeNodes.h"

namespace miravel {

namespace {

constexpr int kPerSubject = kViewpoints + 1;
constexpr int kPerPeriod = kSubjects * kPerSubject;
constexpr char kNone = '-';

const char* const kSeparator = "　";

bool Shown(const GradeBook& book, int period) { return period == kYearRoundPeriod || period < ShownSemesters(book); }

std::string StudentLabel(const GradeBook& book, int n)
{
    return "出席番号 " + std::to_string(n) + " " + book.StudentNames[n - 1];
}

// What position `at` of a student's record stands for: "国語　一学期　表現".
// Subjects 7..10, when any is in use, follow the six's periods, period by
// period, so a record without them reads as before.
std::string RecordPlace(const GradeBook& book, int at, int& period)
{
    constexpr int kExtraPerPeriod = kExtraSubjects * kPerSubject;
    const bool extra = at >= kPeriods * kPerPeriod;
    const int rest = extra ? at - kPeriods * kPerPeriod : at;
    period = rest / (extra ? kExtraPerPeriod : kPerPeriod);
    const int s = rest % (extra ? kExtraPerPeriod : kPerPeriod) / kPerSubject + (extra ? kSubjects : 0);
    const int v = at % kPerSubject;
    return RecordSubjectName(book, s) + kSeparator + PeriodName(book, period) + kSeparator +
           (v < kViewpoints ? RecordViewpointName(book, s, v) : std::string("評定"));
}

std::string Shown(char letter) { return letter == kNone ? std::string("なし") : std::string(1, letter); }

} // namespace

std::vector<std::string> RecordLetters(GradeBook& book)
{
    const bool extra = !ExtraSubjectsInUse(book).empty();
    const int length = kPeriods * (kPerPeriod + (extra ? kExtraSubjects * kPerSubject : 0));
    std::vector<std::string> record(kStudents, std::string(length, kNone));
    for (int p = 0; p < kPeriods; ++p) {
        if (!Shown(book, p))
            continue;
        const std::vector<StudentEvaluation> list = EvaluatePeriod(book, p);
        for (std::size_t i = 0; i < list.size(); ++i)
            for (int s = 0; s < (extra ? kRecordSubjects : kSubjects); ++s)
                for (int k = 0; k < kPerSubject; ++k) {
                    const std::string& text = k < kViewpoints ? list[i].letters[s][k] : list[i].grades[s];
                    const int at = s < kSubjects ? p * kPerPeriod + s * kPerSubject + k
                                                 : kPeriods * kPerPeriod + p * kExtraSubjects * kPerSubject +
                                                       (s - kSubjects) * kPerSubject + k;
                    if (!text.empty())
                        record[i][at] = text[0];
                }
    }
    return record;
}

std::vector<GradeFinding> CheckMissingEvaluations(const GradeBook& book)
{
    std::vector<GradeFinding> findings;
    const int semesters = ShownSemesters(book);
    for (int p = 0; p < kPeriods; ++p) {
        if (!Shown(book, p))
            continue;
        const std::vector<StudentEvaluation> list = EvaluatePeriod(book, p);
        const int first = p == kYearRoundPeriod ? 0 : p;
        const int last = p == kYearRoundPeriod ? semesters - 1 : p;
        for (int s = 0; s < kSubjects; ++s) {
            std::vector<int> assessed;
            for (int m = first; m <= last; ++m)
                for (int t = 0; t < kTests; ++t)
                    for (int v = 0; v < kViewpoints; ++v)
                        if (book.Scores[TestSlot(m, s, t, v)][kAverageColumn] >= 0)
                            assessed.push_back(TestSlot(m, s, t, v));
            if (assessed.empty())
                continue;
            std::vector<int> absent, unscored;
            for (int n = 1; n <= book.StudentCount; ++n) {
                const StudentEvaluation& student = list[n - 1];
                if (book.StudentNames[n - 1].empty() || !student.letters[s][0].empty() ||
                    !student.letters[s][1].empty() || !student.letters[s][2].empty())
                    continue;
                bool allAbsent = true;
                for (int slot : assessed)
                    allAbsent = allAbsent && book.Scores[slot][n - 1] == kAbsent;
                (allAbsent ? absent : unscored).push_back(n);
            }
            if (absent.empty() && unscored.empty())
                continue;
            std::string reasons;
            if (!absent.empty())
                reasons = "すべて欠席：" + AttendanceNumbers(absent);
            if (!unscored.empty())
                reasons += (reasons.empty() ? "" : "、") + std::string("得点なし：") + AttendanceNumbers(unscored);
            findings.push_back({p == kYearRoundPeriod ? SubjectNodeKey(s) : SemesterNodeKey(s, p),
                                book.SubjectTable[s][0] + kSeparator + PeriodName(book, p) + "：評価のない生徒がいます（" +
                                    reasons + "）"});
        }
    }
    return findings;
}

std::vector<GradeFinding> CheckGradeExtremes(GradeBook& book)
{
    std::vector<GradeFinding> findings;
    // Subjects 7..10 are by the criteria in either mode.
    std::vector<int> subjects = ExtraSubjectsInUse(book);
    if (book.Evaluation.Criterion())
        subjects.insert(subjects.begin(), {0, 1, 2, 3, 4, 5});
    for (int p = 0; p < kPeriods; ++p) {
        if (!Shown(book, p) || subjects.empty())
            continue;
        const std::vector<StudentEvaluation> list = EvaluatePeriod(book, p);
        for (int s : subjects)
            for (std::size_t i = 0; i < list.size(); ++i) {
                const std::string& grade = list[i].grades[s];
                const char* odd = grade == "3" ? "C" : grade == "1" ? "A" : nullptr;
                bool found = false;
                for (int v = 0; odd && v < kViewpoints; ++v)
                    found = found || list[i].letters[s][v] == odd;
                if (found)
                    findings.push_back({EvaluationNodeKey(p), RecordSubjectName(book, s) + kSeparator +
                                                                  PeriodName(book, p) + "：" +
                                                                  StudentLabel(book, static_cast<int>(i) + 1) +
                                                                  "の評定 " + grade + " に " + odd + " があります"});
            }
    }
    return findings;
}

std::vector<GradeFinding> CheckChangedLetters(const GradeBook& book, const std::vector<std::string>& before,
                                              const std::vector<std::string>& now)
{
    std::vector<GradeFinding> findings;
    if (before.size() != now.size())
        return findings;
    for (int n = 1; n <= book.StudentCount; ++n) {
        const std::string& was = before[n - 1];
        const std::string& is = now[n - 1];
        if (book.StudentNames[n - 1].empty() || was.size() != is.size() || was == is)
            continue;
        std::string changes;
        int firstPeriod = -1;
        for (std::size_t at = 0; at < is.size(); ++at) {
            if (was[at] == is[at])
                continue;
            int period = 0;
            changes += (changes.empty() ? "" : "、") + RecordPlace(book, static_cast<int>(at), period) + " " +
                       Shown(was[at]) + "→" + Shown(is[at]);
            if (firstPeriod < 0)
                firstPeriod = period;
        }
        findings.push_back(
            {EvaluationNodeKey(firstPeriod), StudentLabel(book, n) + "：前回の確認から変わりました（" + changes + "）"});
    }
    return findings;
}

std::vector<GradeFinding> CheckGrades(GradeBook& book)
{
    std::vector<GradeFinding> findings = CheckScores(book, ShownSemesters(book));
    for (auto&& more : {CheckMissingEvaluations(book), CheckUnevaluatedRecordSubjects(book), CheckGradeExtremes(book),
                        CheckThinEvidence(book),
                        CheckChangedLetters(book, book.Evaluation.CheckedLetters, RecordLetters(book))})
        findings.insert(findings.end(), more.begin(), more.end());
    return findings;
}

} // namespace miravel
