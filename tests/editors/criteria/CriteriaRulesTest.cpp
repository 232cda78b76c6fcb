// Count boxes, the B count and the catalogue update.

#include "editors/criteria/CriteriaRules.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

TEST(CriteriaRules, CountBoxesAndTheChangeRule)
{
    const struct {
        const char* changed;
        const char* other;
        CountSource source;
        CountCheck check;
    } cases[] = {
        {"25", "6", CountSource::Typed, CountCheck::TooLarge},  // 30 - 25 - 6 < 0
        {"24", "6", CountSource::Typed, CountCheck::Fits},
        {"", "6", CountSource::Typed, CountCheck::Fits},         // empty reads as 0
        {"7.5", "22.5", CountSource::Typed, CountCheck::Fits},
        {"-3", "6", CountSource::Typed, CountCheck::Negative},
        {"-1", "6", CountSource::Typed, CountCheck::Negative},
        {"-1", "6", CountSource::Stored, CountCheck::Fits},      // a count never set
        {"-2", "6", CountSource::Stored, CountCheck::Negative},
        {"abc", "6", CountSource::Typed, CountCheck::Fits},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckCount(CountValue(c.changed), CountValue(c.other), 30, c.source), c.check)
            << c.changed << " " << c.other;
    EXPECT_EQ(CountText(24), " 24");
    EXPECT_EQ(CountText(18.5), " 18.5");
    EXPECT_EQ(CountText(30 - 7.3 - 4), " 18.7");
    EXPECT_EQ(CountText(-1), "-1");
}

TEST(CriteriaRules, CatalogueTakesANameOnce)
{
    CheckedArray<std::string, 4> catalogue;
    catalogue[0] = "表現";
    catalogue[2] = "言語";  // after a gap: the gap is found first
    AddToCatalogue(catalogue, "言語");
    EXPECT_EQ(catalogue[1], "言語");
    AddToCatalogue(catalogue, "表現");
    AddToCatalogue(catalogue, "理解");
    EXPECT_EQ(catalogue[3], "理解");
    AddToCatalogue(catalogue, "思考");  // full
    EXPECT_EQ(catalogue[0] + catalogue[1] + catalogue[2] + catalogue[3], "表現言語言語理解");
}

} // namespace
} // namespace miravel
