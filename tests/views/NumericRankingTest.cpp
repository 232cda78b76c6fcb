// Ranking of summary values and the A/B/C letters, on one semester part.

#include "mainwindow/views/CellRules.h"
#include "ViewTestBook.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

using testing::ColumnTexts;
using testing::MakeClassOf;
using testing::SetCounts;
using testing::StoreValues;

constexpr int kRankCol = 3;
constexpr int kLetterCol = 4;

class NumericRanking : public ::testing::Test {
protected:
    void UseClassOf(int n) { book = MakeClassOf(n); }

    // Ranks semester 0, subject 0, viewpoint 0 the way the semester view does.
    void Rank(float average = 50.0f)
    {
        book->Scores[slot][kAverageColumn] = average;
        grid = TextGrid(book->StudentCount + 3, 15);
        for (int i = 0; i < kStudents; ++i)
            book->StudentTotals[i] = 0;
        const EvaluationTarget evaluation{kLetterCol, 0, 0, 0, book->CountEnrolledStudents()};
        RankNumeric(*book, grid, slot, kRankCol, &evaluation);
    }
    std::string Ranks() const { return ColumnTexts(*book, grid, kRankCol); }
    std::string Letters() const { return ColumnTexts(*book, grid, kLetterCol); }

    const int slot = SemesterSummarySlot(0, 0, 0);
    std::unique_ptr<GradeBook> book;
    TextGrid grid;
};

TEST_F(NumericRanking, TiesShareTheRankAndTheLetterAcrossTheALimit)
{
    UseClassOf(4);
    StoreValues(*book, slot, {90, 80, 80, 70}, 80);
    SetCounts(*book, 0, 0, 0, 2, 1);
    Rank();
    EXPECT_EQ(Ranks(), " 1| 2| 2| 4");
    EXPECT_EQ(Letters(), "A|A|A|C");

    SetCounts(*book, 0, 0, 0, 2, 0); // a count of 0 means no C
    Rank();
    EXPECT_EQ(Letters(), "A|A|A|B");
}

TEST_F(NumericRanking, TieAcrossTheCLimitKeepsEveryoneTiedInB)
{
    UseClassOf(10);
    SetCounts(*book, 0, 0, 0, -1, 3);
    StoreValues(*book, slot, {100, 99, 98, 97, 96, 95, 94, 93, 92, 91}, 95);
    Rank();
    EXPECT_EQ(Letters(), "B|B|B|B|B|B|B|C|C|C");

    StoreValues(*book, slot, {100, 99, 98, 97, 96, 95, 90, 90, 80, 70}, 95);
    Rank();
    EXPECT_EQ(Ranks(), " 1| 2| 3| 4| 5| 6| 7| 7| 9| 10");
    EXPECT_EQ(Letters(), "B|B|B|B|B|B|B|B|C|C");
}

TEST_F(NumericRanking, ThirtyStudentsWithTiesAtBothLimits)
{
    UseClassOf(30);
    SetCounts(*book, 0, 0, 0, 5, 5);
    for (int i = 0; i < 30; ++i)
        book->Scores[slot][i] = static_cast<float>(100 - i);
    book->Scores[slot][5] = 96;  // shares rank 5 with number 5
    book->Scores[slot][25] = 76; // shares rank 25 with number 25
    Rank();
    EXPECT_EQ(grid.TextMatrix(6, kRankCol), " 5");
    EXPECT_EQ(grid.TextMatrix(26, kRankCol), " 25");
    int countA = 0, countC = 0;
    for (int row = 1; row <= 30; ++row) {
        countA += grid.TextMatrix(row, kLetterCol) == "A";
        countC += grid.TextMatrix(row, kLetterCol) == "C";
    }
    EXPECT_EQ(countA, 6);
    EXPECT_EQ(countC, 4);
    EXPECT_EQ(grid.TextMatrix(26, kLetterCol), "B");
    EXPECT_EQ(grid.TextMatrix(27, kLetterCol), "C");
}

TEST_F(NumericRanking, UnsetCountsGiveEveryoneB)
{
    UseClassOf(3);
    StoreValues(*book, slot, {10, 90, 50}, 50);
    Rank();
    EXPECT_EQ(Ranks(), " 3| 1| 2");
    EXPECT_EQ(Letters(), "B|B|B");
}

TEST_F(NumericRanking, AbsentAndMissingValuesGetNoRankAndNoLetter)
{
    UseClassOf(5);
    SetCounts(*book, 0, 0, 0, 1, 1);
    StoreValues(*book, slot, {70, -2, 80, -1, 0}, 50);
    Rank();
    // Ranked among the three with values; the C limit is 4 - 1 = 3.
    EXPECT_EQ(Ranks(), " 2|| 1|| 3");
    EXPECT_EQ(Letters(), "B||A||B");
}

TEST_F(NumericRanking, FlaggedValuesRankOnTheirValue)
{
    UseClassOf(3);
    StoreValues(*book, slot, {80, 10072.5f, 72}, 75);
    Rank();
    EXPECT_EQ(Ranks(), " 1| 2| 3");
}

TEST_F(NumericRanking, ValuesShownAlikeTie)
{
    UseClassOf(4);
    // 10072.3 less 10000 is 72.2998 in single precision, yet both show 72.3.
    StoreValues(*book, slot, {10072.3f, 72.3f, 72.33f, 72.34f}, 70);
    Rank();
    EXPECT_EQ(Ranks(), " 1| 1| 1| 1");

    StoreValues(*book, slot, {72.36f, 72.34f, 72.25f, 72.35f}, 70);
    Rank();
    // 72.4, 72.3, 72.2 (halfway goes to even), and 72.35f lies below halfway.
    EXPECT_EQ(Ranks(), " 1| 2| 4| 2");
}

TEST_F(NumericRanking, NumbersWithoutANameNeitherRankNorPushOthersDown)
{
    UseClassOf(5);
    book->StudentNames[3].clear(); // number 4 transferred out, values stay stored
    StoreValues(*book, slot, {80, 70, 0, 95, 10}, 50);
    SetCounts(*book, 0, 0, 0, 1, 1);
    Rank();
    EXPECT_EQ(Ranks(), " 1| 2| 4|| 3");
    // The C limit counts named students only: 4 - 1 = 3.
    EXPECT_EQ(Letters(), "A|B|C||B");
}

TEST_F(NumericRanking, NegativeClassAverageEmptiesRanksAndLetters)
{
    UseClassOf(3);
    StoreValues(*book, slot, {10, 20, 30}, 20);
    SetCounts(*book, 0, 0, 0, 1, 1);
    Rank(-1.0f);
    EXPECT_EQ(Ranks(), "||");
    EXPECT_EQ(Letters(), "||");

    // Left-over ranks of an earlier table are emptied too.
    for (int row = 1; row <= 3; ++row) {
        grid.SetTextMatrix(row, kRankCol, " 9");
        grid.SetTextMatrix(row, kLetterCol, "A");
    }
    const EvaluationTarget evaluation{kLetterCol, 0, 0, 0, 3};
    RankNumeric(*book, grid, slot, kRankCol, &evaluation);
    EXPECT_EQ(Ranks(), "||");
    EXPECT_EQ(Letters(), "||");
}

TEST_F(NumericRanking, WithoutEvaluationOnlyRanksAreWritten)
{
    UseClassOf(2);
    StoreValues(*book, slot, {10, 20}, 15);
    grid = TextGrid(5, 15);
    RankNumeric(*book, grid, slot, kRankCol, nullptr);
    EXPECT_EQ(Ranks(), " 2| 1");
    EXPECT_EQ(Letters(), "|");
}

TEST(EvaluationLetter, TakesTheCLimitFromTheGivenBase)
{
    auto book = MakeClassOf(30);
    SetCounts(*book, 3, 2, 1, 5, 5);
    const EvaluationTarget enrolled{0, 3, 2, 1, 29};
    const EvaluationTarget highestNumber{0, 3, 2, 1, 30};
    EXPECT_EQ(EvaluationLetter(*book, 5, enrolled), "A");
    EXPECT_EQ(EvaluationLetter(*book, 6, enrolled), "B");
    EXPECT_EQ(EvaluationLetter(*book, 24, enrolled), "B");
    EXPECT_EQ(EvaluationLetter(*book, 25, enrolled), "C");
    EXPECT_EQ(EvaluationLetter(*book, 25, highestNumber), "B");
    EXPECT_EQ(EvaluationLetter(*book, 26, highestNumber), "C");
    // Other periods and subjects keep their own (unset) counts.
    EXPECT_EQ(EvaluationLetter(*book, 1, EvaluationTarget{0, 0, 2, 1, 30}), "B");
    EXPECT_EQ(EvaluationLetter(*book, 1, EvaluationTarget{0, 3, 2, 2, 30}), "B");
}

} // namespace
} // namespace miravel
