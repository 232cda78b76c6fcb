// Ranking of summary values and the A/B/C letters, on one semester part.

#include "grades/CellRules.h"
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

TEST_F(NumericRanking, OnlyAClassAverageBelowZeroEmptiesRanksAndLettersLeftOver)
{
    UseClassOf(3);
    SetCounts(*book, 0, 0, 0, 1, 1);
    struct Case {
        float average;
        const char* ranks;
        const char* letters;
    };
    const Case cases[] = {
        {-1.0f, "||", "||"},  // nothing registered yet
        {-0.01f, "||", "||"},
        {0.0f, " 3| 2| 1", "C|B|A"},  // a class that scored nothing is still ranked
        {20.0f, " 3| 2| 1", "C|B|A"},
    };
    for (const Case& c : cases) {
        StoreValues(*book, slot, {10, 20, 30}, c.average);
        grid = TextGrid(6, 15);
        for (int row = 1; row <= 3; ++row) {
            grid.SetTextMatrix(row, kRankCol, " 9");
            grid.SetTextMatrix(row, kLetterCol, "A");
        }
        const EvaluationTarget evaluation{kLetterCol, 0, 0, 0, 3};
        RankNumeric(*book, grid, slot, kRankCol, &evaluation);
        EXPECT_EQ(Ranks(), c.ranks) << "class average " << c.average;
        EXPECT_EQ(Letters(), c.letters) << "class average " << c.average;
    }
}

} // namespace
} // namespace miravel
