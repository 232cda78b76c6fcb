#include "core/Defaults.h"
#include "core/GradeBook.h"
#include "core/TextGrid.h"

#include "support/Books.h"

#include <gtest/gtest.h>
#include <memory>

using namespace miravel;

using miravel::test::FreshBook;

TEST(Slots, FollowTheStrides)
{
    EXPECT_EQ(TestSlot(0, 0, 0, 0), 0);
    EXPECT_EQ(TestSlot(2, 5, 9, 3), 787);
    EXPECT_EQ(TestSlot(1, 2, 3, 1), 264 + 88 + 12 + 1);
    EXPECT_EQ(SemesterSummarySlot(2, 5, 3), 791);
    EXPECT_EQ(SemesterSummarySlot(0, 1, 0), 84);
    EXPECT_EQ(YearRoundSlot(0, 0), 792);
    EXPECT_EQ(YearRoundSlot(5, 3), 815);
}

TEST(Slots, IndexOutsideTheDimensionsStopsTheOperation)
{
    EXPECT_THROW(TestSlot(3, 0, 0, 0), std::out_of_range);
    EXPECT_THROW(TestSlot(0, 6, 0, 0), std::out_of_range);
    EXPECT_THROW(TestSlot(0, 0, 10, 0), std::out_of_range);
    EXPECT_THROW(TestSlot(0, 0, 0, -1), std::out_of_range);
    EXPECT_THROW(YearRoundSlot(6, 0), std::out_of_range);

    auto book = FreshBook();
    EXPECT_THROW(book->Scores[816][0], std::out_of_range);
    EXPECT_THROW(book->Scores[0][45], std::out_of_range);
    EXPECT_THROW(book->StudentNames[-1], std::out_of_range);
    EXPECT_THROW(book->RankCountA[4][0], std::out_of_range);
}

TEST(CountEnrolledStudents, CountsNamedNumbersUpToStudentCount)
{
    auto book = FreshBook();
    book->StudentNames[0] = "山田";
    book->StudentNames[1] = "田中";
    book->StudentNames[4] = "佐藤";
    EXPECT_EQ(book->CountEnrolledStudents(), 0); // StudentCount 0 hides names
    book->StudentCount = 5;
    EXPECT_EQ(book->CountEnrolledStudents(), 3);
    book->StudentCount = 2;
    EXPECT_EQ(book->CountEnrolledStudents(), 2);
}

TEST(InitDefaults, FillsTheBuiltInVocabulary)
{
    auto book = FreshBook();
    EXPECT_EQ(book->SubjectTable[0][0], "国語");
    EXPECT_EQ(book->SubjectTable[1][2], "表・処");
    EXPECT_EQ(book->SubjectTable[4][1], "観点1");
    EXPECT_EQ(book->SubjectTable[5][3], "観点3");
    EXPECT_EQ(book->SemesterNames[2], "三学期");
    EXPECT_EQ(book->SubjectCatalogue[5], "体育");
    EXPECT_EQ(book->SubjectCatalogue[6], "");
    EXPECT_EQ(book->ViewpointCatalogue[11], "表・処");
    EXPECT_EQ(book->ViewpointCatalogue[12], "");
    EXPECT_STREQ(SubjectKeys[4], "HOMEMAKE");
    EXPECT_STREQ(SemesterKeys[1], "AUTUMN");
    for (const auto& slot : book->Scores)
        for (float value : slot)
            ASSERT_EQ(value, -1.0f);
    for (int p = 0; p < kPeriods; ++p)
        for (int k = 0; k < kSubjectViewpoints; ++k) {
            ASSERT_EQ(book->RankCountA[p][k], -1);
            ASSERT_EQ(book->RankCountC[p][k], -1);
        }
}

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
        auto book = FreshBook();
        ApplyViewpointSet(*book, ViewpointSet::Current);
        ApplyViewpointSet(*book, set);
        const auto& t = book->SubjectTable;
        EXPECT_EQ((std::vector{t[0][1], t[1][2], t[4][3], t[5][1], book->ViewpointCatalogue[0], book->ViewpointCatalogue[14]}), names);
        EXPECT_EQ(HeldViewpointSet(*book), set);
        book->SubjectTable[5][2] = "走る";  // one name of its own: no set
        EXPECT_EQ(HeldViewpointSet(*book), std::nullopt);
    }
}

TEST(InitDefaults, TitlesOnlyTheViewpointPartsOfTests)
{
    auto book = FreshBook();
    EXPECT_EQ(book->SlotTitles[TestSlot(1, 0, 0, 0)][0], "二学期");
    EXPECT_EQ(book->SlotTitles[TestSlot(1, 0, 0, 0)][1], " 1回目試験");
    EXPECT_EQ(book->SlotTitles[TestSlot(0, 3, 9, 2)][0], "一学期");
    EXPECT_EQ(book->SlotTitles[TestSlot(0, 3, 9, 2)][1], " 10回目試験");
    EXPECT_EQ(book->SlotTitles[TestSlot(0, 3, 9, 3)][1], "");
    EXPECT_EQ(book->SlotTitles[SemesterSummarySlot(2, 1, 0)][0], "");
    EXPECT_EQ(book->SlotTitles[YearRoundSlot(5, 3)][1], "");
}

TEST(InitDefaults, ResetsTheDocumentButNotTheRunTimeState)
{
    auto book = FreshBook();
    book->SchoolYear = "2026";
    book->StudentCount = 3;
    book->StudentNames[2] = "佐藤";
    book->Scores[100][3] = 55;
    book->SubjectTable[2][0] = "生活";
    book->ViewpointCatalogue[15] = "関心";
    book->SlotTitles[0][1] = "漢字テスト";
    book->RankCountC[3][17] = 4;
    book->CurrentSubject = 4;
    book->CurrentFilePath = "/tmp/a.txt";
    book->SavedState = true;
    book->EditAccepted = true;
    book->CurrentNodeKey = "HomeRoom";
    book->CurrentNodeIndex = 1;

    InitDefaults(*book);

    EXPECT_TRUE(static_cast<GradeDocument&>(*book) == static_cast<GradeDocument&>(*FreshBook()));
    EXPECT_EQ(book->CurrentSubject, 0);
    EXPECT_EQ(book->CurrentFilePath, "/tmp/a.txt");
    EXPECT_TRUE(book->SavedState);
    EXPECT_TRUE(book->EditAccepted);
    EXPECT_EQ(book->CurrentNodeKey, "HomeRoom");
    EXPECT_EQ(book->CurrentNodeIndex, 1);
}

TEST(GradeBook, ReplaceDocumentKeepsTheSelection)
{
    auto book = FreshBook();
    book->CurrentNodeKey = "1 2 0";
    book->CurrentSemester = 2;
    auto other = std::make_unique<GradeDocument>(*FreshBook());
    other->TeacherName = "鈴木";
    book->ReplaceDocument(std::move(*other));
    EXPECT_EQ(book->TeacherName, "鈴木");
    EXPECT_EQ(book->CurrentNodeKey, "1 2 0");
    EXPECT_EQ(book->CurrentSemester, 2);
}

TEST(TextGrid, ResizingKeepsTheCellsInside)
{
    TextGrid grid(3, 3);
    grid.SetTextMatrix(1, 1, "a");
    grid.SetTextMatrix(2, 2, "b");
    grid.SetColWidth(2, 1000);
    grid.SetRows(2);
    grid.SetRows(5);
    EXPECT_EQ(grid.TextMatrix(1, 1), "a");
    EXPECT_EQ(grid.TextMatrix(2, 2), ""); // dropped when the row went away
    EXPECT_EQ(grid.ColWidth(2), 1000);
    EXPECT_THROW(grid.TextMatrix(5, 0), std::out_of_range);
    EXPECT_THROW(grid.SetTextMatrix(0, 3, "x"), std::out_of_range);
}

TEST(TextGrid, ClearEmptiesTheTextsAndKeepsTheLayout)
{
    TextGrid grid(3, 2);
    grid.SetTextMatrix(0, 0, "No.");
    grid.SetTextMatrix(2, 1, "佐藤");
    grid.SetColWidth(1, 1600);
    grid.SetCellBackColour(2, 1, 0xFF0000);
    const auto before = grid.Revision();
    grid.Clear();
    EXPECT_EQ(grid.TextMatrix(0, 0), "");
    EXPECT_EQ(grid.TextMatrix(2, 1), "");
    EXPECT_EQ(grid.Rows(), 3);
    EXPECT_EQ(grid.ColWidth(1), 1600);
    EXPECT_EQ(grid.CellBackColour(2, 1), 0xFF0000u);
    EXPECT_GT(grid.Revision(), before);
}

TEST(TextGrid, RevisionMovesOnlyOnChanges)
{
    TextGrid grid(2, 2);
    const auto before = grid.Revision();
    grid.SetTextMatrix(0, 0, "");
    grid.SetColAlignment(1, Alignment::General);
    EXPECT_EQ(grid.Revision(), before);
    grid.SetTextMatrix(0, 0, "x");
    EXPECT_GT(grid.Revision(), before);
}
