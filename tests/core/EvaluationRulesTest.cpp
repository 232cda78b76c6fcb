#include "core/EvaluationRules.h"
#include "support/Books.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

// One test part of 国語's first viewpoint: student 1's points and its full marks.
void Score(GradeBook& book, int semester, int test, float points, float fullMarks)
{
    book.Scores[TestSlot(semester, 0, test, 0)][0] = points;
    book.Scores[TestSlot(semester, 0, test, 0)][kFullMarksColumn] = fullMarks;
}

TEST(CriterionLetter, EdgesOfThePercentages)
{
    struct Case {
        const char* what;
        std::vector<std::array<float, 3>> tests;  // semester, points, full marks
        int period;
        const char* letter;
    };
    const Case cases[] = {
        {"exactly 80 % is A", {{0, 40, 50}}, 0, "A"},
        {"just below 80 % is B", {{0, 39.5f, 50}}, 0, "B"},
        {"exactly 50 % is B", {{0, 25, 50}}, 0, "B"},
        {"just below 50 % is C", {{0, 24.5f, 50}}, 0, "C"},
        {"no full marks count as 100", {{0, 80, -1}}, 0, "A"},
        {"full marks 0 count as 100", {{0, 79, 0}}, 0, "B"},
        {"sums, not a mean of percentages", {{0, 10, 10}, {0, 30, 90}}, 0, "C"},
        {"absent and empty are skipped", {{0, -2, 50}, {0, -1, 50}, {0, 45, 50}}, 0, "A"},
        {"only absent: no letter", {{0, -2, 50}}, 0, ""},
        {"another semester does not count", {{1, 50, 50}}, 0, ""},
        {"year-round takes all three semesters", {{0, 50, 50}, {2, 0, 50}}, kYearRoundPeriod, "B"},
    };
    for (const Case& c : cases) {
        auto book = test::ClassBook({"青木"});
        for (int t = 0; t < static_cast<int>(c.tests.size()); ++t)
            Score(*book, static_cast<int>(c.tests[t][0]), t, c.tests[t][1], c.tests[t][2]);
        EXPECT_EQ(CriterionLetter(*book, 1, 0, 0, c.period), c.letter) << c.what;
    }
}

TEST(CriterionLetter, UsesTheCutOfItsOwnSubjectViewpoint)
{
    auto book = test::ClassBook({"青木"});
    book->Scores[TestSlot(0, 2, 0, 1)][0] = 70;
    book->Evaluation.Cuts[2 * kViewpoints + 1] = {70, 40};
    EXPECT_EQ(CriterionLetter(*book, 1, 2, 1, 0) + CriterionLetter(*book, 1, 2, 0, 0), "A");
}

TEST(CriterionShareText, CutDownSoTheFigureNeverPassesTheLettersCut)
{
    const struct {
        float points, fullMarks;
        const char* share;  // and the letter beside it
    } cases[] = {{85, 100, "85.0A"}, {1999, 2500, "79.9B"}, {2, 3, "66.6B"}, {1249.5f, 2500, "49.9C"},
                 {0, 30, "0.0C"}, {-2, 30, ""}};
    for (const auto& c : cases) {
        auto book = test::ClassBook({"青木"});
        Score(*book, 0, 0, c.points, c.fullMarks);
        const CriterionSums sums = CriterionTotals(*book, 1, 0, 0, 0);
        EXPECT_EQ(CriterionShareText(sums) + CriterionLetter(*book, 1, 0, 0, 0), c.share) << c.points;
        EXPECT_EQ(sums.absent, c.points == kAbsent);
    }
}

TEST(SubjectGrade, CutPoints)
{
    const struct {
        std::string letters[kViewpoints];
        const char* grade;
    } cases[] = {
        {{"A", "A", "B"}, "3"}, {{"A", "B", ""}, "3"},  // exactly 2.5: only the letters present count
        {{"A", "B", "B"}, "2"}, {{"B", "C", ""}, "2"},  // exactly 1.5
        {{"B", "C", "C"}, "1"}, {{"", "", ""}, ""},
    };
    for (const auto& [letters, grade] : cases)
        EXPECT_EQ(SubjectGrade(EvaluationSettings{}, letters), grade) << letters[0] << letters[1] << letters[2];
}

TEST(GradeLevelWithoutGrades, FirstDigitHalfOrFullWidth)
{
    for (const char* level : {"1年", "１年", "第２学年"})
        EXPECT_TRUE(GradeLevelWithoutGrades(level)) << level;
    for (const char* level : {"3年", "６年", "三年", ""})
        EXPECT_FALSE(GradeLevelWithoutGrades(level)) << level;
}

TEST(ApplyTerms, TwoTermsRenameAndThreeRestoreKeepingDataAndTypedNames)
{
    auto book = test::FreshBook();
    const auto names = [&] { return book->SemesterNames[0] + book->SemesterNames[1] + book->SemesterNames[2]; };
    book->Scores[SemesterSummarySlot(2, 0, 0)][0] = 75;
    ApplyTerms(*book, 2);
    EXPECT_EQ(ShownSemesters(*book), 2);
    EXPECT_EQ(names() + book->SlotTitles[TestSlot(1, 5, 9, 2)][0], "前期後期三学期後期");
    ApplyTerms(*book, 3);
    EXPECT_EQ(ShownSemesters(*book), 3);
    EXPECT_EQ(names(), "一学期二学期三学期");
    EXPECT_EQ(book->Scores[SemesterSummarySlot(2, 0, 0)][0], 75);
    book->SemesterNames[0] = "春学期";  // typed by the teacher: his own in either system
    ApplyTerms(*book, 2);
    EXPECT_EQ(book->SemesterNames[0], "春学期");
}

} // namespace
} // namespace miravel
