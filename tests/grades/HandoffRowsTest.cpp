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

} // namespace
} // namespace miravel::testing
