// Whole tables compared with expected CSV texts written by hand from the
// table rules (class of five, number 3 transferred out with values stored).

#include "file/CsvExport.h"
#include "grades/GradeViews.h"
#include "ViewTestBook.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace miravel {
namespace {

using testing::Draw;
using testing::MakeClassOfFive;
using testing::SetCounts;
using testing::StoreValues;

std::string ReadExpected(const std::string& name)
{
    std::ifstream in(std::string(MIRAVEL_TEST_DATA) + "/grades/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const char* const kCaptionLine = "2024 5年2組 山田 生徒数（ 4名）";

TEST(TableFiles, TestView)
{
    auto book = MakeClassOfFive();
    StoreValues(*book, TestSlot(0, 0, 0, 0), {30, 40, 50, -2, 20}, 30);
    StoreValues(*book, TestSlot(0, 0, 0, 1), {25, 30, 50, -2, 30}, 28.333334f);
    StoreValues(*book, TestSlot(0, 0, 0, 2), {20, 25.5f, 50, -2, 25}, 23.5f);
    StoreValues(*book, TestSlot(0, 0, 0, 3), {75, 95.5f, 150, -2, 75}, 81.833336f);
    TablePane pane;
    Draw(ShowTestView, *book, pane);
    EXPECT_EQ(GridToCsvText(pane.Grid), ReadExpected("test_view.csv"));
    EXPECT_EQ(pane.Caption, std::string(kCaptionLine) + "　国語　一学期  1回目試験");
}

TEST(TableFiles, SemesterView)
{
    auto book = testing::SemesterTableBook();
    TablePane pane;
    Draw(ShowSemesterView, *book, pane);
    EXPECT_EQ(GridToCsvText(pane.Grid), ReadExpected("semester_view.csv"));
    EXPECT_EQ(pane.Caption, std::string(kCaptionLine) + "　国語　一学期");
}

TEST(TableFiles, YearRoundView)
{
    auto book = MakeClassOfFive();
    StoreValues(*book, YearRoundSlot(0, 0), {55, 60, 99, 65, 70}, -1);
    StoreValues(*book, YearRoundSlot(0, 1), {88.8f, 77.7f, 99, 66.6f, 55.5f}, 72.2f);
    StoreValues(*book, YearRoundSlot(0, 3), {10080, -1, 99, 80, 90}, 83.3f);
    SetCounts(*book, 3, 0, 0, 1, 1);
    SetCounts(*book, 3, 0, 1, 2, 2);
    TablePane pane;
    Draw(ShowYearRoundView, *book, pane);
    EXPECT_EQ(GridToCsvText(pane.Grid), ReadExpected("year_round_view.csv"));
    EXPECT_EQ(pane.Caption, std::string(kCaptionLine) + "　国語");
}

TEST(TableFiles, ViewpointView)
{
    auto book = MakeClassOfFive();
    book->CurrentViewpoint = 1;
    book->CurrentTest = 4; // the test under which the node was clicked changes nothing
    book->SlotTitles[TestSlot(0, 0, 0, 0)][1] = "漢字  小テスト";
    book->SlotTitles[TestSlot(0, 0, 0, 0)][0] = "4/12";
    StoreValues(*book, TestSlot(0, 0, 0, 1), {8, 9.5f, 99, -2, 7}, 8.2f);
    StoreValues(*book, TestSlot(0, 0, 1, 1), {18, 20, 99, 15, -1}, 17.7f);
    StoreValues(*book, SemesterSummarySlot(0, 0, 1), {72.5f, 73.5f, 99, 10060, 72.5f}, 69.6f);
    SetCounts(*book, 0, 0, 1, 1, 1);
    TablePane pane;
    Draw(ShowViewpointView, *book, pane);
    EXPECT_EQ(GridToCsvText(pane.Grid), ReadExpected("viewpoint_view.csv"));
    EXPECT_EQ(pane.Caption, std::string(kCaptionLine) + "　国語　理解");
}

} // namespace
} // namespace miravel
