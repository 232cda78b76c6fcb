// What a new class is offered: the school years around today and the
// viewpoint names it starts with.

#include "core/Defaults.h"

#include "support/Books.h"

#include <gtest/gtest.h>

using namespace miravel;

TEST(NewClassDefaults, SchoolYearsAroundADate)
{
    const struct { int year, month; const char* first; const char* current; const char* last; } cases[] = {
        {2026, 4, "2021年（令和3年）", "2026年（令和8年）", "2027年（令和9年）"},  // April 1 begins the year
        {2026, 3, "2020年（令和2年）", "2025年（令和7年）", "2026年（令和8年）"},  // March is the year before
        {2027, 1, "2021年（令和3年）", "2026年（令和8年）", "2027年（令和9年）"},
        {2019, 4, "2014年（平成26年）", "2019年（令和元年）", "2020年（令和2年）"},  // 令和 from its first April
        {2019, 3, "2013年（平成25年）", "2018年（平成30年）", "2019年（令和元年）"},
        {1989, 12, "1984年（昭和59年）", "1989年（平成元年）", "1990年（平成2年）"},
    };
    for (const auto& c : cases) {
        const SchoolYearChoices choices = SchoolYearsAround(c.year, c.month);
        ASSERT_EQ(choices.years.size(), 7u);
        EXPECT_EQ(std::make_tuple(choices.years.front(), choices.years[static_cast<std::size_t>(choices.current)],
                                  choices.years.back()),
                  std::make_tuple(std::string(c.first), std::string(c.current), std::string(c.last)))
            << c.year << "/" << c.month;
    }
}

TEST(NewClassDefaults, ViewpointSetChosenForANewClass)
{
    using Row = std::array<std::string, 4>;
    const Row current = {"", "知識・技能", "思考・判断・表現", "主体的に学習に取り組む態度"};
    const struct { ViewpointSet set; Row language, arithmetic, homemaking; const char* catalogue0; const char* catalogue14; } cases[] = {
        {ViewpointSet::Current, current, current, current, "知識・技能", "表・処"},
        {ViewpointSet::Old, {"", "表現", "理解", "言語"}, {"", "思考", "表・処", "知・理"}, {"", "観点1", "観点2", "観点3"},
         "表現", ""},
    };
    for (const auto& c : cases) {
        auto book = test::FreshBook();
        ApplyViewpointSet(*book, ViewpointSet::Current);
        ApplyViewpointSet(*book, c.set);
        const auto row = [&](int s) { return Row{"", book->SubjectTable[s][1], book->SubjectTable[s][2], book->SubjectTable[s][3]}; };
        EXPECT_EQ(std::make_tuple(row(0), row(1), row(4), book->SubjectTable[4][0]),
                  std::make_tuple(c.language, c.arithmetic, c.homemaking, std::string("家庭")));
        for (int s : {2, 3, 5})
            EXPECT_EQ(row(s) == current, c.set == ViewpointSet::Current) << s;
        EXPECT_EQ(std::make_pair(book->ViewpointCatalogue[0], book->ViewpointCatalogue[14]),
                  std::make_pair(std::string(c.catalogue0), std::string(c.catalogue14)));
        EXPECT_EQ(HeldViewpointSet(*book), c.set);
        book->SubjectTable[5][2] = "走る";  // one name of its own: no set
        EXPECT_EQ(HeldViewpointSet(*book), std::nullopt);
    }
}
