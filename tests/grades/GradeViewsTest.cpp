// Layout, headers, captions and the view-specific rules of the grade tables.

#include "grades/GradeViews.h"
#include "ViewTestBook.h"

#include <gtest/gtest.h>

namespace miravel {
namespace {

using testing::Draw;
using testing::MakeClassOf;
using testing::MakeClassOfFive;
using testing::SetCounts;
using testing::StoreValues;

using ViewFunction = void (*)(GradeBook&, TablePane&);

struct Layout {
    const char* name;
    ViewFunction view;
    int shownColumns;
    int widths[15]; // 0 = not set by this view
};

const Layout kLayouts[] = {
    {"test", ShowTestView, 7, {400, 1600, 800, 800, 800, 800, 800}},
    {"semester", ShowSemesterView, 13, {400, 1600, 800, 800, 800, 800, 800, 800, 800, 800, 800, 800, 800}},
    {"year-round", ShowYearRoundView, 13, {400, 1600, 800, 800, 800, 800, 800, 800, 800, 800, 800, 800, 800}},
    {"viewpoint",
     ShowViewpointView,
     15,
     {400, 1600, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 900, 900}},
};

TEST(GradeViewLayout, RowsColumnsWidthsAndAlignment)
{
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE(layout.name);
        auto book = MakeClassOfFive();
        TablePane pane;
        Draw(layout.view, *book, pane);
        EXPECT_EQ(pane.Grid.Rows(), 8);
        EXPECT_EQ(pane.Grid.Cols(), 15);
        EXPECT_EQ(book->ShownColumnCount, layout.shownColumns);
        EXPECT_EQ(pane.Grid.TextMatrix(0, 0), "No.");
        EXPECT_EQ(pane.Grid.TextMatrix(7, 1), "クラスの平均点");
        for (int col = 0; col < layout.shownColumns; ++col) {
            EXPECT_EQ(pane.Grid.ColWidth(col), layout.widths[col]) << col;
            if (col >= 2) {
                EXPECT_EQ(pane.Grid.ColAlignment(col), Alignment::RightCenter) << col;
            }
        }
    }
}

TEST(GradeViewLayout, AWiderTableLeavesNothingBehind)
{
    auto book = MakeClassOfFive();
    StoreValues(*book, SemesterSummarySlot(0, 0, 0), {70, 80, 0, 90, 60}, 75);
    TablePane pane;
    Draw(ShowViewpointView, *book, pane);
    ASSERT_EQ(pane.Grid.TextMatrix(1, 13), " 3");
    Draw(ShowTestView, *book, pane);
    for (int row = 0; row < pane.Grid.Rows(); ++row)
        for (int col = 7; col < 15; ++col)
            EXPECT_EQ(pane.Grid.TextMatrix(row, col), "") << row << "," << col;
}

TEST(GradeViewLayout, NothingRegisteredShowsNoValuesRanksOrLetters)
{
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE(layout.name);
        auto book = MakeClassOfFive();
        for (int period = 0; period < kPeriods; ++period)
            SetCounts(*book, period, 0, 0, 2, 2);
        TablePane pane;
        Draw(layout.view, *book, pane);
        for (int row = 1; row <= 7; ++row)
            for (int col = 2; col < 15; ++col)
                EXPECT_EQ(pane.Grid.TextMatrix(row, col), "") << row << "," << col;
    }
}

TEST(GradeViewHeaders, SummaryHeadersBreakBeforeTheSecondLine)
{
    for (ViewFunction view : {ShowSemesterView, ShowYearRoundView}) {
        auto book = MakeClassOfFive();
        book->CurrentSubject = 1;
        TablePane pane;
        Draw(view, *book, pane);
        const char* expected[] = {"思考\r 平均点",   "思考\r 順位",   "思考\r 評定",   "表・処\r 平均点",
                                  "表・処\r 順位",   "表・処\r 評定", "知・理\r 平均点", "知・理\r 順位",
                                  "知・理\r 評定",   "算数\r 平均点", "算数\r 順位"};
        for (int col = 2; col <= 12; ++col)
            EXPECT_EQ(pane.Grid.TextMatrix(0, col), expected[col - 2]) << col;
        EXPECT_EQ(pane.Grid.TextMatrix(0, 13), "");
    }
}

TEST(GradeViewHeaders, ViewpointViewTestColumns)
{
    auto book = MakeClassOfFive();
    book->CurrentSemester = 2;
    book->SlotTitles[TestSlot(2, 0, 9, 0)][1] = "まとめ   テスト";
    book->SlotTitles[TestSlot(2, 0, 9, 0)][0] = "2025/02/14";
    TablePane pane;
    Draw(ShowViewpointView, *book, pane);
    EXPECT_EQ(pane.Grid.TextMatrix(0, 2), "\r1回目試験\r三学期");
    EXPECT_EQ(pane.Grid.TextMatrix(0, 10), "\r9回目試験\r三学期");
    // Three blanks: the first pair becomes one, leaving two line breaks.
    EXPECT_EQ(pane.Grid.TextMatrix(0, 11), "まとめ\r\rテスト\r2025/02/14");
    EXPECT_EQ(pane.Grid.TextMatrix(0, 12), "平均点");
    EXPECT_EQ(pane.Grid.TextMatrix(0, 13), "順位");
    EXPECT_EQ(pane.Grid.TextMatrix(0, 14), "評定");
}

TEST(GradeViewCaptions, NameTheSelection)
{
    auto book = MakeClassOfFive();
    book->CurrentSubject = 4;
    book->CurrentSemester = 1;
    book->CurrentTest = 9;
    book->CurrentViewpoint = 2;
    book->SlotTitles[TestSlot(1, 4, 9, 0)][0] = "11/5";
    book->SlotTitles[TestSlot(1, 4, 9, 0)][1] = "調理実習";
    const std::string line = "2024 5年2組 山田 生徒数（ 4名）";
    TablePane pane;
    ShowTestView(*book, pane);
    EXPECT_EQ(pane.Caption, line + "　家庭　11/5 調理実習");
    ShowSemesterView(*book, pane);
    EXPECT_EQ(pane.Caption, line + "　家庭　二学期");
    ShowYearRoundView(*book, pane);
    EXPECT_EQ(pane.Caption, line + "　家庭");
    ShowViewpointView(*book, pane);
    EXPECT_EQ(pane.Caption, line + "　家庭　観点3");
}

// Thirty attendance numbers, number 12 transferred out: 29 enrolled.
class ViewpointAgainstSemester : public ::testing::Test {
protected:
    void SetUp() override
    {
        book = MakeClassOf(30);
        book->StudentNames[11].clear();
        book->CurrentViewpoint = 2;
        for (int i = 0; i < 30; ++i)
            book->Scores[slot][i] = static_cast<float>(100 - i);
        book->Scores[slot][kAverageColumn] = 85;
        SetCounts(*book, 0, 0, 2, 3, 5);
    }
    const int slot = SemesterSummarySlot(0, 0, 2);
    std::unique_ptr<GradeBook> book;
    TablePane pane;
};

TEST_F(ViewpointAgainstSemester, SameRanksButTheCLimitCountsEveryNumber)
{
    TablePane semester;
    Draw(ShowSemesterView, *book, semester);
    Draw(ShowViewpointView, *book, pane);
    for (int row = 1; row <= 30; ++row) {
        EXPECT_EQ(pane.Grid.TextMatrix(row, 13), semester.Grid.TextMatrix(row, 9)) << row;
        if (row <= 25) { // ranks 1..24; number 12 has none
            EXPECT_EQ(pane.Grid.TextMatrix(row, 14), semester.Grid.TextMatrix(row, 10)) << row;
        }
    }
    // Rank 25 is number 26: C above rank 24 in the semester view (29 - 5),
    // above rank 25 here (30 - 5).
    EXPECT_EQ(pane.Grid.TextMatrix(26, 13), " 25");
    EXPECT_EQ(semester.Grid.TextMatrix(26, 10), "C");
    EXPECT_EQ(pane.Grid.TextMatrix(26, 14), "B");
    EXPECT_EQ(pane.Grid.TextMatrix(27, 14), "C");
    EXPECT_EQ(pane.Grid.TextMatrix(12, 14), "");
}

} // namespace
} // namespace miravel
