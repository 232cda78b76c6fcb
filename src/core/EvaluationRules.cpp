#include "core/EvaluationRules.h"

#include "core/RecordEvaluation.h"

#include <cmath>

namespace miravel {

namespace {

const char* const kThreeTermNames[2] = {"一学期", "二学期"};
const char* const kTwoTermNames[2] = {"前期", "後期"};

int LetterValue(const std::string& letter)
{
    if (letter == "A")
        return 3;
    if (letter == "B")
        return 2;
    if (letter == "C")
        return 1;
    return 0;
}

} // namespace

CriterionSums CriterionTotals(const GradeDocument& book, int student, int subject, int viewpoint, int period)
{
    const int first = period == kYearRoundPeriod ? 0 : period;
    const int last = period == kYearRoundPeriod ? kSemesters - 1 : period;
    if (subject >= kSubjects)
        return CriterionSums{};  // subjects 7..10 have no tests
    // Sums of single-precision scores are exact in double precision, and so
    // are the products compared with them: no rounding is needed.
    CriterionSums sums;
    for (int m = first; m <= last; ++m)
        for (int t = 0; t < kTests; ++t) {
            const auto& slot = book.Scores[TestSlot(m, subject, t, viewpoint)];
            const double x = slot[student - 1];
            sums.absent = sums.absent || x == kAbsent;
            if (x < 0)
                continue;
            const double full = slot[kFullMarksColumn];
            sums.points += x;
            sums.fullMarks += full > 0 ? full : 100.0;
            sums.any = true;
            ++sums.count;
        }
    return sums;
}

std::string CriterionLetter(const GradeDocument& book, int student, int subject, int viewpoint, int period)
{
    return EvidenceLetter(EvidenceOf(book, student, subject, viewpoint, period),
                          book.Evaluation.CutOf(subject, viewpoint));
}

std::string CriterionShareText(const CriterionSums& sums)
{
    if (!sums.any)
        return std::string();
    // Tenths of a percent, cut down: the largest d with d·F <= 1000·X. The
    // quotient is only a first guess; the exact products settle it.
    const double scaled = 1000.0 * sums.points;
    auto tenths = static_cast<long long>(std::floor(scaled / sums.fullMarks));
    while (static_cast<double>(tenths) * sums.fullMarks > scaled)
        --tenths;
    while (static_cast<double>(tenths + 1) * sums.fullMarks <= scaled)
        ++tenths;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string SubjectGrade(const EvaluationSettings& settings, const std::string (&letters)[kViewpoints])
{
    int sum = 0, count = 0;
    for (const std::string& letter : letters)
        if (const int value = LetterValue(letter)) {
            sum += value;
            ++count;
        }
    if (count == 0)
        return std::string();
    // mean >= a3 is sum*100 >= a3*count in whole hundredths.
    if (sum * 100 >= settings.GradeA3 * count)
        return "3";
    if (sum * 100 < settings.GradeC1 * count)
        return "1";
    return "2";
}

bool GradeLevelWithoutGrades(const std::string& gradeLevel)
{
    for (std::size_t i = 0; i < gradeLevel.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(gradeLevel[i]);
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        // Full-width digits are EF BC 90 .. EF BC 99 in UTF-8.
        else if (c == 0xEF && i + 2 < gradeLevel.size() && static_cast<unsigned char>(gradeLevel[i + 1]) == 0xBC &&
                 static_cast<unsigned char>(gradeLevel[i + 2]) >= 0x90 &&
                 static_cast<unsigned char>(gradeLevel[i + 2]) <= 0x99)
            digit = static_cast<unsigned char>(gradeLevel[i + 2]) - 0x90;
        if (digit >= 0)
            return digit == 1 || digit == 2;
    }
    return false;
}

void ApplyTerms(GradeDocument& book, int terms)
{
    const char* const* from = terms == 2 ? kThreeTermNames : kTwoTermNames;
    const char* const* to = terms == 2 ? kTwoTermNames : kThreeTermNames;
    for (int m = 0; m < 2; ++m) {
        if (book.SemesterNames[m] != from[m])
            continue;
        book.SemesterNames[m] = to[m];
        // A test not yet given a date shows its semester's name in its place.
        for (int s = 0; s < kSubjects; ++s)
            for (int t = 0; t < kTests; ++t)
                for (int p = 0; p < kViewpoints; ++p) {
                    std::string& date = book.SlotTitles[TestSlot(m, s, t, p)][0];
                    if (date == from[m])
                        date = to[m];
                }
    }
    book.Evaluation.Terms = terms == 2 ? 2 : 3;
}

int ShownSemesters(const GradeDocument& book) { return book.Evaluation.Terms == 2 ? 2 : kSemesters; }

} // namespace miravel
