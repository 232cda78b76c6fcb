#include "print/EvaluationListPage.h"
#include "print/SheetRecordRows.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

// A record is a row after the tests, its value under its viewpoint; one not yet made "－".
TEST(SheetRecordRows, AfterTheTestsUnderTheirViewpoint)
{
    StudentSheet student;
    student.subjects[6].tests = {SheetTest{0, "6月1日", "単元", {}}};
    student.subjects[6].records = {{1, "2026/10/12", "歌唱", 2, "◎"}, {1, "", "", 0, ""}};
    const std::vector<SheetTest> rows = WithRecordRows(student).subjects[6].tests;
    ASSERT_EQ(rows.size(), 3u);
    const std::vector<std::string> texts{rows[1].date, rows[1].title, rows[1].parts[0].points, rows[1].parts[2].points,
                                         rows[2].title, rows[2].parts[0].points};
    EXPECT_EQ(texts, (std::vector<std::string>{"10月12日", "記録：歌唱", "", "◎", "記録：（題名なし）", "－"}));
}

// The frame's right edge: six subjects keep their columns, ten share the page.
TEST(EvaluationListPage, MoreSubjectsShareThePageWidth)
{
    std::vector<int> rights;
    for (int columns : {26, 42}) {
        const TextGrid grid(4, columns);
        const auto pages = LayoutEvaluationListPage({grid, "", columns, "4 0", ""}, {16118, 11186});
        for (const PageItem& item : pages.at(0).items)
            if (const auto* frame = std::get_if<PageRect>(&item); frame && frame->width == 6)
                rights.push_back(frame->x2);
    }
    EXPECT_EQ(rights, (std::vector<int>{3600 + 24 * 480, 3600 + 40 * 312}));
}

} // namespace
} // namespace miravel
