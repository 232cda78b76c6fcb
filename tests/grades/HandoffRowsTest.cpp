// The hand-off rows: the number a class field gives, the periods a book
// offers, and what a profile without a header row or a code column makes.

#include "core/EvaluationRules.h"
#include "grades/HandoffCheck.h"
#include "grades/HandoffRows.h"
#include "grades/ViewTestBook.h"

namespace miravel::testing {
namespace {

TEST(HandoffRows, NumberInAClassField)
{
    const std::pair<const char*, const char*> cases[] = {{"3年1組", "3"}, {"第０３学年", "3"}, {"さくら", "さくら"}};
    for (const auto& [field, number] : cases)
        EXPECT_EQ(NumberInField(field), number) << field;
}

TEST(HandoffRows, PeriodsAreTheShownSemestersThenTheYear)
{
    auto book = MakeClassOfFive();
    EXPECT_EQ(HandoffPeriods(*book), (std::vector<int>{0, 1, 2, kYearRoundPeriod}));
    ApplyTerms(*book, 2);
    EXPECT_EQ(HandoffPeriods(*book), (std::vector<int>{0, 1, kYearRoundPeriod}));
}

// No student is asked for a code the file will not hold.
TEST(HandoffRows, NoHeaderRowAndNoCodeColumn)
{
    auto book = MakeClassOfFive();
    HandoffProfile profile;
    profile.header = false;
    profile.columns = {{HandoffField::Number, 0, 0, "", ""}, {HandoffField::Name, 0, 0, "", ""}};
    EXPECT_EQ(HandoffRows(*book, 0, profile), (HandoffTable{{"1", "青木"}, {"2", "井上"}, {"4", "江藤"}, {"5", "大野"}}));
    EXPECT_TRUE(CheckBeforeHandoff(*book, profile).empty());
}

// s7 .. s10 are the subjects evaluated from records; an unused one is "none".
TEST(HandoffRows, SubjectsSevenToTenFromTheirRecords)
{
    HandoffProfile profile;
    for (const char* key : {"s7v1", "s7評定", "s10v3", "s10評定"}) {
        profile.columns.emplace_back();
        ASSERT_TRUE(ParseHandoffColumn(key, profile.columns.back())) << key;
    }
    HandoffColumn column;
    EXPECT_FALSE(ParseHandoffColumn("s11v1", column) || ParseHandoffColumn("s1", column));
    profile.none = "-";

    auto book = MakeClassOf(1);
    book->Evaluation.Records.extra[0].name = "音楽";
    book->Evaluation.Records.Of(6, 1) = {ClassRecord{}};
    book->Evaluation.Records.Of(6, 1)[0].values[0] = 3;
    EXPECT_EQ(HandoffRows(*book, kYearRoundPeriod, profile),
              (HandoffTable{{"音楽 知識・技能", "音楽 評定", "教科10 主体的に学習に取り組む態度", "教科10 評定"}, {"A", "3", "-", "-"}}));
}

} // namespace
} // namespace miravel::testing
