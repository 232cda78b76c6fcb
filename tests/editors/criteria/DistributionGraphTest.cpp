// The numbers behind a distribution graph and where its items land.

#include "editors/criteria/CriteriaGraphPages.h"
#include "editors/criteria/DistributionGraph.h"
#include "GraphTestBook.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace miravel {
namespace {

using test::BookWithValues;

const int kSlot = YearRoundSlot(0, 0);

std::vector<int> ColumnsOf(const GraphNumbers& g)
{
    std::vector<int> columns;
    for (const GraphSquare& square : g.squares)
        columns.push_back(square.column);
    return columns;
}

std::vector<Rgb> ColoursOf(const GraphNumbers& g)
{
    std::vector<Rgb> colours;
    for (const GraphSquare& square : g.squares)
        colours.push_back(square.fill);
    return colours;
}

TEST(GraphNumbers, WorkedExample)
{
    const auto book = BookWithValues(kSlot, {40.0f, 55.5f, 87.4f});
    const GraphNumbers g = ComputeGraphNumbers(*book, kSlot, 1, 1);
    EXPECT_TRUE(g.hasValues);
    EXPECT_EQ(g.hi, 88);
    EXPECT_DOUBLE_EQ(g.lo, 39.0);
    EXPECT_EQ(g.width, 3);
    for (int i = 0; i < kGraphColumns; ++i)
        EXPECT_EQ(g.labels[i], 39 + 3 * i) << i;
    EXPECT_EQ(ColumnsOf(g), (std::vector<int>{0, 6, 16}));
    // The lowest student C, the next B, the rest A.
    EXPECT_EQ(ColoursOf(g), (std::vector<Rgb>{kMagenta, kYellow, kGreen}));
}

TEST(GraphNumbers, WhoIsCountedAndHow)
{
    const struct {
        const char* what;
        std::vector<float> values;
        int countA, countC;
        std::vector<int> columns;
        std::vector<Rgb> colours;
        int hi;
    } cases[] = {
        // 100 is drawn where it belongs; -1 and absence play no part.
        {"100 drawn", {40.0f, 55.5f, 100.0f}, 0, 1, {0, 4, 15}, {kMagenta, kYellow, kYellow}, 101},
        // 0 stands below the range, in the first column, under 50.
        {"0 in the first column", {50.0f, 0.0f, 80.0f}, 0, 1, {0, 0, 16}, {kMagenta, kYellow, kYellow}, 81},
        // The two tied at rank 1 both get A, as in the table.
        {"tie across the A limit", {70.0f, 50.0f, 70.0f, 40.0f}, 1, 1, {0, 6, 16, 16},
         {kMagenta, kYellow, kGreen, kGreen}, 71},
        {"no score and absent", {40.0f, -1.0f, -2.0f, 87.4f}, 0, 0, {0, 16}, {kYellow, kYellow}, 88},
        {"absence mark removed", {40.0f, 10055.5f, 87.4f}, 0, 0, {0, 6, 16}, {kYellow, kYellow, kYellow}, 88},
        // A + C above the class: ranks 1 and 2 are A, rank 3 is past the B limit 1.
        {"b negative", {40.0f, 55.5f, 87.4f}, 2, 2, {0, 6, 16}, {kMagenta, kGreen, kGreen}, 88},
        // Not set: nobody is C, B runs out after n + 1 - 0 squares.
        {"counts not set", {40.0f, 55.5f}, -1, -1, {1, 16}, {kYellow, kYellow}, 57},
        // (60.5 - 41) / 1 rounds to column 20: it is drawn in the last column.
        {"top value in the last column", {42.0f, 60.5f}, 0, 0, {1, 19}, {kYellow, kYellow}, 61},
    };
    for (const auto& c : cases) {
        const auto book = BookWithValues(kSlot, c.values);
        const GraphNumbers g = ComputeGraphNumbers(*book, kSlot, c.countA, c.countC);
        EXPECT_EQ(ColumnsOf(g), c.columns) << c.what;
        EXPECT_EQ(ColoursOf(g), c.colours) << c.what;
        EXPECT_EQ(g.hi, c.hi) << c.what;
    }
}

TEST(GraphNumbers, LabelBaseRoundsHalvesAwayFromZero)
{
    // lo = 41.5 - 1 = 40.5: the first label is 41, not the even 40.
    const auto book = BookWithValues(kSlot, {41.5f, 60.0f});
    EXPECT_EQ(ComputeGraphNumbers(*book, kSlot, 0, 0).labels[0], 41);
}

TEST(GraphNumbers, StudentWhoLeftStillRaisesTheRangeButIsNotDrawn)
{
    auto book = BookWithValues(kSlot, {40.0f, 55.5f, 90.0f});
    book->StudentNames[2] = "";
    const GraphNumbers g = ComputeGraphNumbers(*book, kSlot, 0, 0);
    EXPECT_EQ(g.hi, 91);
    EXPECT_EQ(g.squares.size(), 2u);
}

TEST(GraphNumbers, FortyStudentsNeverReadPastTheRoster)
{
    std::vector<float> values(kStudents, 50.0f);
    const auto book = BookWithValues(kSlot, values);
    EXPECT_EQ(ComputeGraphNumbers(*book, kSlot, 12, 4).squares.size(), 40u);
}

int CountLines(const Page& page, bool dotted)
{
    return static_cast<int>(std::count_if(page.items.begin(), page.items.end(), [dotted](const PageItem& item) {
        const auto* line = std::get_if<PageLine>(&item);
        return line && line->dotted == dotted;
    }));
}

std::vector<std::string> Texts(const Page& page)
{
    std::vector<std::string> texts;
    for (const PageItem& item : page.items)
        if (const auto* text = std::get_if<PageText>(&item))
            texts.push_back(text->text);
    return texts;
}

TEST(DistributionGraph, WithoutValuesOnlyAxesAndScale)
{
    const auto book = BookWithValues(kSlot, {-1.0f, 0.0f}, -1.0f);
    Page page;
    DrawDistributionGraph(page, GraphTarget::Screen, *book, kSlot, 0, 0, 1, 1, 0, 0);
    EXPECT_EQ(Texts(page), (std::vector<std::string>{"国語 表現 平均点の集計グラフ", "  5人", " 10人", " 15人", " 20人"}));
    EXPECT_EQ(CountLines(page, false), 2);
    EXPECT_EQ(CountLines(page, true), 0);
}

TEST(DistributionGraph, UnsetClassAverageDrawsNoAverageLine)
{
    for (const float average : {-1.0f, 61.0f}) {
        const auto book = BookWithValues(kSlot, {40.0f, 55.5f, 87.4f}, average);
        Page page;
        DrawDistributionGraph(page, GraphTarget::Screen, *book, kSlot, 0, 0, 1, 1, 0, 0);
        EXPECT_EQ(CountLines(page, true), average < 0 ? 0 : 1) << average;
    }
}

TEST(DistributionGraph, ScreenAndPrinterGeometry)
{
    const auto book = BookWithValues(kSlot, {40.0f, 55.5f, 87.4f}, 61.0f);
    const struct {
        GraphTarget target;
        std::string title;
        PageRect secondSquare;  // column 6, on the base line
        PageLine average;       // (61 - 39) / 3 columns right of the origin
        PageText firstLabel;
    } cases[] = {
        {GraphTarget::Screen, "国語 表現 平均点の集計グラフ",
         {1000 + 485 + 25 + 900, 2000 + 2000, 1000 + 485 + 25 + 900 + 100, 2000 + 1900, 1, kBlack, true, kYellow},
         {1000 + 485 + 1100, 4000, 1000 + 485 + 1100, 2000, 1, true, kBlack},
         {1000 + 485 + 5, 4000 + 10, " 39", "", 0, kBlack}},
        {GraphTarget::Printer, "表現  A: 1人  B: 1人  C: 1人",
         {1000 + 873 + 45 + 1620, 2000 + 3600, 1000 + 873 + 45 + 1620 + 180, 2000 + 3420, 1, kBlack, true, kYellow},
         {1000 + 873 + 1980, 5600, 1000 + 873 + 1980, 2000, 1, true, kBlack},
         {1000 + 873 + 9, 5600 + 18, " 39", "ＭＳ ゴシック", 11, kBlack}},
    };
    for (const auto& c : cases) {
        Page page;
        DrawDistributionGraph(page, c.target, *book, kSlot, 1000, 2000, 1, 1, 0, 0);
        EXPECT_EQ(Texts(page).front(), c.title);
        const auto has = [&page](const PageItem& wanted) {
            return std::find(page.items.begin(), page.items.end(), wanted) != page.items.end();
        };
        EXPECT_TRUE(has(c.secondSquare)) << c.title;
        EXPECT_TRUE(has(c.average)) << c.title;
        EXPECT_TRUE(has(c.firstLabel)) << c.title;
    }
}

TEST(GraphPages, PrintedPageCarriesHeaderAndStoredCounts)
{
    auto book = BookWithValues(YearRoundSlot(0, 1), {40.0f, 55.5f, 87.4f});
    book->RankCountA[kYearRoundPeriod][1] = 1;
    book->RankCountC[kYearRoundPeriod][1] = 0;
    // The semester: a tie at the A limit gives two A, and the counts line says so.
    for (int n = 0; n < 3; ++n)
        book->Scores[SemesterSummarySlot(0, 0, 1)][n] = n < 2 ? 70.0f : 40.0f;
    book->RankCountA[0][1] = 1;
    book->RankCountC[0][1] = 1;
    const struct {
        Page page;
        std::string title, counts;
    } cases[] = {
        {YearRoundGraphPage(*book, 0, "2025/04/07", 11000), "国語 通年の集計グラフ", "理解  A: 1人  B: 2人  C: 0人"},
        {SemesterGraphPage(*book, 0, 0, "2025/04/07", 11000), "国語 一学期の集計グラフ", "理解  A: 2人  B: 0人  C: 1人"},
    };
    for (const auto& c : cases) {
        const auto& items = c.page.items;
        ASSERT_GE(items.size(), 4u);
        EXPECT_EQ(std::get<PageText>(items[0]), (PageText{10000, 400, "2025/04/07", "ＭＳ 明朝", 10.5, kBlack}));
        EXPECT_EQ(std::get<PageText>(items[1]), (PageText{2000, 440, "Miravel Ver1.2.0", "ＭＳ 明朝", 12, 0x0000FF}));
        EXPECT_EQ(std::get<PageText>(items[2]).text, "2024 3年1組 山田 生徒数（ 3名）");
        EXPECT_EQ(std::get<PageText>(items[3]), (PageText{2000, 1320, c.title, "ＭＳ 明朝", 16, kBlack}));
        const auto texts = Texts(c.page);
        EXPECT_NE(std::find(texts.begin(), texts.end(), c.counts), texts.end()) << c.title;
        EXPECT_FALSE(c.page.landscape);
        EXPECT_EQ(c.page.lineWidthTwips, kPrinterDotTwips);
    }
}

} // namespace
} // namespace miravel
