#pragma once
// Small class books for 学年の集計, their letters written as the teacher
// reads them: "AB-" is A, B and no letter for the three viewpoints.

#include "grades/ViewTestBook.h"

#include <string>
#include <vector>

namespace miravel::testing {

struct SummaryStudentLetters {
    std::string name;             // "" for a number whose student transferred out
    std::vector<std::string> subjects;  // per named subject, three letters
};

// Only the first `subjects` subjects keep their names. Criterion mode at the
// default cuts (80 %, 50 %): one test of the first semester, full marks 100,
// 90 for A, 60 for B, 20 for C and no score for "-".
inline std::unique_ptr<GradeBook> CriterionClass(const std::string& className,
                                                 const std::vector<SummaryStudentLetters>& students,
                                                 int subjects = 2)
{
    std::vector<std::string> names;
    for (const auto& student : students)
        names.push_back(student.name);
    auto book = test::ClassBook(names, {"2026", "3年", className, "担任"});
    book->Evaluation.Mode = EvaluationMode::Criterion;
    for (int s = subjects; s < kSubjects; ++s)
        book->SubjectTable[s][0].clear();
    for (std::size_t n = 0; n < students.size(); ++n)
        for (std::size_t s = 0; s < students[n].subjects.size(); ++s)
            for (int v = 0; v < kViewpoints; ++v) {
                auto& slot = book->Scores[TestSlot(0, static_cast<int>(s), 0, v)];
                slot[kFullMarksColumn] = 100;
                const char letter = students[n].subjects[s][v];
                if (letter != '-')
                    slot[static_cast<int>(n)] = letter == 'A' ? 90 : letter == 'B' ? 60 : 20;
            }
    return book;
}

// `count` named students "<prefix>1".. with A on 国語's first viewpoint for
// the first `a`, C for the next `c`, B for the rest; 国語 alone is named.
inline std::unique_ptr<GradeBook> ClassWithShares(const std::string& className, int count, int a, int c)
{
    std::vector<SummaryStudentLetters> students;
    for (int i = 0; i < count; ++i)
        students.push_back({className + std::to_string(i + 1), {std::string(i < a ? "A" : i < a + c ? "C" : "B") + "--"}});
    return CriterionClass(className, students, 1);
}

} // namespace miravel::testing
