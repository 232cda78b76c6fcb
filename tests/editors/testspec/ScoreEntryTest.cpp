// Score entry without a window: the check of the three fields, the commit
// into the score table, where next and previous go and where the focus lands.

#include "editors/testspec/ScoreEntry.h"

#include "editors/testspec/ScoreTable.h"
#include "editors/testspec/TestSpecTexts.h"
#include "support/Books.h"

#include <gtest/gtest.h>

namespace miravel::test {
namespace {

namespace texts = testspec_texts;

TEST(ScoreCheck, AbsentSpellings)
{
    for (const auto& [cell, absent] : {std::pair{"*", true}, {"＊", true}, {"欠", true}, {"欠席", true}, {"／", true}, {"/", true},
                                       {"欠課", false}, {"**", false}, {"8/10", false}, {"0", false}, {"", false}})
        EXPECT_EQ(IsAbsentMark(cell), absent) << cell;
}

TEST(ScoreCheck, AcceptsAndRejectsEntries)
{
    struct Case {
        ViewpointTexts entries;
        ViewpointTexts fullMarks;
        int field;            // -1: accepted
        const char* message;
    };
    const char* none = "";
    const Case cases[] = {
        {{"85", " 85", "8 5"}, {}, -1, none},
        {{"   ", "欠席", "*"}, {}, -1, none},
        {{"12a", "", ""}, {}, 0, texts::kNotDigits},
        {{"", "-5", ""}, {}, 1, texts::kNotDigits},
        {{"", "", "85.5"}, {}, 2, texts::kNotDigits},
        {{"８５", "", ""}, {}, 0, texts::kNotDigits},        // full-width digits
        {{"* ", "", ""}, {}, 0, texts::kNotDigits},
        {{"*", "abc", "12a"}, {}, 1, texts::kNotDigits},     // the first fault after "*"
        {{"60", "", ""}, {"50", "", ""}, 0, texts::kAboveFullMarks},
        {{"120", "", ""}, {"50", "", ""}, 0, texts::kAboveFullMarks},  // above both: full marks first
        {{"50", "", ""}, {" 50", "", ""}, -1, none},
        {{"", "120", ""}, {"", "150", ""}, 1, texts::kAbove100},
        {{"100", "", "101"}, {}, 2, texts::kAbove100},
        {{"99999999999", "", ""}, {}, 0, texts::kAbove100},  // read without overflow
        {{"", "", "99999999999"}, {"", "", "99999999999"}, 2, texts::kAbove100},
    };
    for (const Case& c : cases) {
        const EntryCheck check = CheckEntries(c.entries, c.fullMarks);
        const std::string label = c.entries[0] + "|" + c.entries[1] + "|" + c.entries[2];
        EXPECT_EQ(check.accepted, c.field < 0) << label;
        EXPECT_EQ(check.field, c.field) << label;
        EXPECT_STREQ(check.message, c.message) << label;
    }
}

struct Entry : ::testing::Test {
    Entry() : book(ClassBook({"青木", "井上", "", "江藤"}))
    {
        LayoutScoreTable(*book, grid, TestSlot(0, 0, 0, 0), 7800);
        book->CurrentStudentNo = 1;
    }
    std::string cell(int row, int col) const { return grid.TextMatrix(row, col); }
    std::unique_ptr<GradeBook> book;
    TextGrid grid{0, 0};
};

TEST_F(Entry, CommitWritesTheRowTotalAveragesAndRanks)
{
    struct Case {
        ViewpointTexts entries;
        const char* scores[3];
        const char* total;
        const char* rank;
    };
    const Case cases[] = {
        {{"40", "8 5", "   "}, {" 40", " 85", " 0"}, " 125", " 1"},
        {{"40", "", ""}, {" 40", "", ""}, " 40", " 1"},
        {{"0", "", ""}, {" 0", "", ""}, " 0", " 1"},  // a lone 0 is a score
        {{"", "", ""}, {"", "", ""}, "", ""},
        {{"90", "*", "80"}, {" 90", "*", " 80"}, "*", "*"},
    };
    for (const Case& c : cases) {
        const EntryCheck check = CommitEntries(*book, grid, c.entries, {});
        EXPECT_TRUE(check.accepted);
        EXPECT_EQ(book->ScoreCheckFailed, 0);
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(cell(1, 2 + k), c.scores[k]) << c.total;
        EXPECT_EQ(cell(1, 5), c.total);
        EXPECT_EQ(cell(1, 6), c.rank);
    }
}

TEST_F(Entry, CommitKeepsRanksAndExamineesOfTheClass)
{
    book->CurrentStudentNo = 2;
    CommitEntries(*book, grid, {"50", "50", "50"}, {});
    book->CurrentStudentNo = 4;
    CommitEntries(*book, grid, {"60", "60", "60"}, {});
    book->CurrentStudentNo = 1;
    CommitEntries(*book, grid, {"*", "*", "*"}, {});
    EXPECT_EQ(cell(2, 6), " 2");
    EXPECT_EQ(cell(4, 6), " 1");
    EXPECT_EQ(cell(1, 6), "*");
    EXPECT_EQ(cell(6, 5), "165.0");  // the class-average row of four
    EXPECT_EQ(book->ExamineeCount, 2);
}

TEST_F(Entry, RejectionLeavesTheTableAlone)
{
    CommitEntries(*book, grid, {"40", "", ""}, {});
    const auto revision = grid.Revision();
    const EntryCheck check = CommitEntries(*book, grid, {"50", "12a", ""}, {});
    EXPECT_FALSE(check.accepted);
    EXPECT_EQ(book->ScoreCheckFailed, -1);
    EXPECT_EQ(grid.Revision(), revision);
    EXPECT_EQ(cell(1, 2), " 40");
}

TEST_F(Entry, NothingHappensWithoutTableOrStudent)
{
    TextGrid unbuilt(0, 0);
    EXPECT_TRUE(CommitEntries(*book, unbuilt, {"abc", "", ""}, {}).accepted);
    book->CurrentStudentNo = 0;
    EXPECT_TRUE(CommitEntries(*book, grid, {"abc", "", ""}, {}).accepted);
    EXPECT_EQ(book->ScoreCheckFailed, 0);
}

TEST(StudentMoves, SkipUnnamedNumbersAndStopAtTheEnds)
{
    const auto gaps = ClassBook({"青木", "井上", "", "江藤", ""});
    const auto thirty = ClassBook(std::vector<std::string>(30, "生徒"));
    struct Case {
        const GradeBook* book;
        int from, next, previous;
    };
    const Case cases[] = {
        {gaps.get(), 1, 2, 1}, {gaps.get(), 2, 4, 1}, {gaps.get(), 4, 4, 2},
        {gaps.get(), 5, 5, 4},  // an unnamed last number: back to the named one
        {thirty.get(), 30, 30, 29}, {thirty.get(), 35, 35, 30},  // chosen from the list past the roster
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NextStudent(*c.book, c.from), c.next) << c.from;
        EXPECT_EQ(PreviousStudent(*c.book, c.from), c.previous) << c.from;
    }
}

TEST(StudentMoves, FocusFollowsTheAssessedViewpoints)
{
    struct Case {
        ViewpointChecks checks;
        int afterMove, column3, column4, column5;
    };
    const Case cases[] = {
        {{true, true, true}, 0, 1, 2, 0},
        {{false, true, true}, 1, 1, 2, 1},
        {{true, false, false}, 0, 0, 0, 0},
        {{false, false, true}, 2, 2, 2, 2},
        {{false, true, false}, 1, 1, 1, 1},
        {{false, false, false}, 2, 2, 1, 2},
    };
    for (const Case& c : cases) {
        const std::string label = std::to_string(c.checks[0]) + std::to_string(c.checks[1]) + std::to_string(c.checks[2]);
        EXPECT_EQ(FocusAfterMove(c.checks), c.afterMove) << label;
        EXPECT_EQ(FocusAfterTableClick(c.checks, 3), c.column3) << label;
        EXPECT_EQ(FocusAfterTableClick(c.checks, 4), c.column4) << label;
        EXPECT_EQ(FocusAfterTableClick(c.checks, 5), c.column5) << label;
    }
    EXPECT_EQ(AbsentEntries({true, false, true}), (ViewpointTexts{"*", "", "*"}));
}

} // namespace
} // namespace miravel::test
