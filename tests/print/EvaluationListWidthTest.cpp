#include "print/EvaluationListPage.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

// The frame's right edge: the six subjects keep their columns; ten share
// the page instead of running off it.
TEST(EvaluationListPage, MoreSubjectsShareThePageWidth)
{
    const PrintArea a4{16118, 11186};
    std::vector<int> rights;
    for (int columns : {26, 42}) {
        TextGrid grid(4, columns);
        grid.SetTextMatrix(2, columns - 1, "3");
        const PageDocument pages = LayoutEvaluationListPage({grid, "評価の一覧", columns, "4 0", "2026/12/08"}, a4);
        for (const PageItem& item : pages.at(0).items)
            if (const auto* frame = std::get_if<PageRect>(&item); frame && frame->width == 6)
                rights.push_back(frame->x2);
    }
    EXPECT_EQ(rights, (std::vector<int>{1000 + 600 + 2000 + 24 * 480, 1000 + 600 + 2000 + 40 * 312}));
}

} // namespace
} // namespace miravel
