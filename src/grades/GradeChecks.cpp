#include "grades/GradeChecks.h"

#include "core/TextRules.h"
#include "grades/TreeNodes.h"

namespace miravel {

const char* const kNoProblemsFound = "問題はありません";

namespace {

const char* const kSeparator = "　";

// A part is assessed by a registered test while it has a class average.
bool Assessed(const GradeBook& book, int slot) { return book.Scores[slot][kAverageColumn] >= 0; }

bool Named(const GradeBook& book, int n) { return !book.StudentNames[n - 1].empty(); }

void CheckTest(const GradeBook& book, int s, int m, int t, std::vector<GradeFinding>& findings)
{
    const std::string key = TestNodeKey(s, m, t);
    const std::string where =
        book.SubjectTable[s][0] + kSeparator + book.SemesterNames[m] + kSeparator + TestNodeText(book, s, m, t) + "：";

    // One line per student, naming the viewpoints left empty, so the teacher
    // knows which field to open.
    for (int n = 1; n <= book.StudentCount; ++n) {
        if (!Named(book, n))
            continue;
        std::string viewpoints;
        for (int v = 0; v < kViewpoints; ++v) {
            const int slot = TestSlot(m, s, t, v);
            if (Assessed(book, slot) && book.Scores[slot][n - 1] == kNoValue)
                viewpoints += (viewpoints.empty() ? "" : "、") + book.SubjectTable[s][v + 1];
        }
        if (!viewpoints.empty())
            findings.push_back({key, where + "出席番号 " + std::to_string(n) + "：" + viewpoints + "の得点がありません"});
    }

    for (int v = 0; v < kViewpoints; ++v) {
        const int slot = TestSlot(m, s, t, v);
        if (!Assessed(book, slot))
            continue;
        const std::string& viewpoint = book.SubjectTable[s][v + 1];
        const Single full = book.Scores[slot][kFullMarksColumn];
        if (full <= 0) {
            findings.push_back({key, where + viewpoint + "の配点がありません"});
            continue;
        }
        std::vector<int> above;
        for (int n = 1; n <= book.StudentCount; ++n)
            if (Named(book, n) && book.Scores[slot][n - 1] > full)
                above.push_back(n);
        if (!above.empty())
            findings.push_back({key, where + viewpoint + "の得点が配点（" + std::to_string(RoundToInteger(full)) + "点）を超えています（" +
                                         AttendanceNumbers(above) + "）"});
    }
}

} // namespace

std::string AttendanceNumbers(const std::vector<int>& numbers)
{
    std::string text = "出席番号";
    for (std::size_t i = 0; i < numbers.size(); ++i)
        text += (i == 0 ? " " : ", ") + std::to_string(numbers[i]);
    return text;
}

std::vector<GradeFinding> CheckScores(const GradeBook& book, int semesters)
{
    std::vector<GradeFinding> findings;
    for (int s = 0; s < kSubjects; ++s) {
        for (int m = 0; m < semesters && m < kSemesters; ++m) {
            bool hasTests = false;
            bool viewpointTested[kViewpoints] = {};
            for (int t = 0; t < kTests; ++t) {
                bool registered = false;
                for (int v = 0; v < kViewpoints; ++v)
                    if (Assessed(book, TestSlot(m, s, t, v)))
                        registered = viewpointTested[v] = true;
                if (!registered)
                    continue;
                hasTests = true;
                CheckTest(book, s, m, t, findings);
            }
            if (!hasTests)
                continue;
            for (int v = 0; v < kViewpoints; ++v)
                if (!viewpointTested[v])
                    findings.push_back({SemesterNodeKey(s, m), book.SubjectTable[s][0] + kSeparator +
                                                                   book.SemesterNames[m] + "：" +
                                                                   book.SubjectTable[s][v + 1] + "の試験がありません"});
        }
    }
    return findings;
}

} // namespace miravel
