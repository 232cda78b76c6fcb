// 学年の集計 on paper: whole subjects per page, marks tinted, names only on
// the students' pages.

#include "grades/SummaryBooks.h"
#include "print/GradeSummaryPage.h"

#include <gtest/gtest.h>

namespace miravel::testing {
namespace {

std::vector<std::string> Texts(const PageDocument& pages)
{
    std::vector<std::string> texts;
    for (const Page& page : pages)
        for (const PageItem& item : page.items)
            if (const auto* text = std::get_if<PageText>(&item))
                texts.push_back(text->text);
    return texts;
}

TEST(GradeSummaryPage, ASubjectMovesToTheNextPageWholeUnlessItIsTallerThanAPage)
{
    // Three subjects of four rows (three viewpoints and 評定), one method line.
    const auto book = CriterionClass("1組", {{"青木", {"AAA", "BBB", "CCC"}}}, 3);
    const GradeSummary summary = SummarizeGrade({{"a.txt", book.get()}}, 0);
    const std::vector<std::pair<int, std::vector<SummaryPageRows>>> cases{
        {10000, {{0, 12}}},
        {3200, {{0, 4}, {4, 8}, {8, 12}}},  // the second subject would fit below the first only in part
        {2600, {{0, 2}, {2, 5}, {5, 8}, {8, 11}, {11, 12}}},  // no page holds a subject: broken between rows
    };
    for (const auto& [height, pages] : cases) {
        EXPECT_EQ(SummaryPageRowRanges(summary, {15000, height}), pages) << height;
        EXPECT_EQ(LayoutGradeSummaryPages(summary, {15000, height}, "").size(), pages.size()) << height;
    }
}

TEST(GradeSummaryPage, MarksAreTintedAndNamesPrintOnlyWithTheStudents)
{
    const auto first = ClassWithShares("1組", 3, 1, 1);
    const auto second = ClassWithShares("2組", 2, 0, 2);
    const GradeSummary summary = SummarizeGrade({{"a.txt", first.get()}, {"b.txt", second.get()}}, 0);
    const PageDocument table = LayoutGradeSummaryPages(summary, {15000, 10000}, "2026/07/20");
    int tinted = 0;
    for (const PageItem& item : table.front().items)
        if (const auto* rect = std::get_if<PageRect>(&item); rect && rect->filled && rect->fill == kMarkTint)
            ++tinted;
    EXPECT_EQ(tinted, 4);
    const std::vector<std::string> texts = Texts(table);
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](const std::string& t) { return t.rfind("◆", 0) == 0; }), 8)
        << "four shares and four lines saying why";
    const std::vector<std::string> names{"1組1", "1組2", "1組3", "2組1", "2組2"};
    for (const std::string& name : names)
        EXPECT_EQ(std::count(texts.begin(), texts.end(), name), 0) << name;
    const std::vector<std::string> students = Texts(LayoutSummaryStudentPages(summary, {15000, 10000}, ""));
    for (const char* name : {"1組2", "2組1", "2組2"})  // their 評定 is 1
        EXPECT_EQ(std::count(students.begin(), students.end(), name), 1) << name;
}

} // namespace
} // namespace miravel::testing
