// A new class: the school years offered around today, the viewpoints it starts with.
#include "core/Defaults.h"
#include "support/Books.h"
#include <gtest/gtest.h>

using namespace miravel;

TEST(NewClassDefaults, SchoolYearsAroundADate)
{
    for (const auto& [year, month, first, current, last] : {  // April begins a year; 令和 from 2019's April
             std::tuple{2026, 4, "2021年（令和3年）", "2026年（令和8年）", "2027年（令和9年）"},
             {2026, 3, "2020年（令和2年）", "2025年（令和7年）", "2026年（令和8年）"},
             {2019, 4, "2014年（平成26年）", "2019年（令和元年）", "2020年（令和2年）"},
             {2019, 3, "2013年（平成25年）", "2018年（平成30年）", "2019年（令和元年）"}}) {
        const SchoolYearChoices c = SchoolYearsAround(year, month);
        EXPECT_EQ((std::vector{c.years.front(), c.years.at(std::size_t(c.current)), c.years.back(), std::to_string(c.years.size())}),
                  (std::vector<std::string>{first, current, last, "7"}));
    }
}

TEST(NewClassDefaults, ViewpointSetChosenForANewClass)
{
    const std::string now[] = {"知識・技能", "思考・判断・表現", "主体的に学習に取り組む態度"};
    for (const auto& [set, names] :  // 国語 1, 算数 2, 家庭 3, 体育 1, catalogue 1 and 15
         {std::pair{ViewpointSet::Current, std::vector<std::string>{now[0], now[1], now[2], now[0], now[0], "表・処"}},
          {ViewpointSet::Old, {"表現", "表・処", "観点3", "知識", "表現", ""}}}) {
        auto book = test::FreshBook();
        ApplyViewpointSet(*book, ViewpointSet::Current);
        ApplyViewpointSet(*book, set);
        const auto& t = book->SubjectTable;
        EXPECT_EQ((std::vector{t[0][1], t[1][2], t[4][3], t[5][1], book->ViewpointCatalogue[0], book->ViewpointCatalogue[14]}), names);
        EXPECT_EQ(HeldViewpointSet(*book), set);
        book->SubjectTable[5][2] = "走る";  // one name of its own: no set
        EXPECT_EQ(HeldViewpointSet(*book), std::nullopt);
    }
}
