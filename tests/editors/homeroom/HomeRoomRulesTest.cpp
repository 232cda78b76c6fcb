// The class editor's rules on a grade book, without a window.

#include "editors/homeroom/HomeRoomRules.h"

#include "support/Books.h"

#include <gtest/gtest.h>

#include <memory>

namespace miravel {
namespace {

using test::ClassBook;
using test::FreshBook;

// Names for attendance numbers 1..count.
HomeRoomEntries Roster(int count)
{
    HomeRoomEntries entries;
    entries.SchoolYear = "2004年（平成16年）";
    entries.GradeLevel = "4年";
    entries.ClassName = "2組";
    entries.TeacherName = "佐藤 花子";
    for (int i = 0; i < count; ++i)
        entries.Names[i] = "生徒" + std::to_string(i + 1);
    return entries;
}

void ExpectEveryCount(const GradeBook& book, int a, int c)
{
    for (int p = 0; p < kPeriods; ++p)
        for (int k = 0; k < kSubjectViewpoints; ++k) {
            EXPECT_EQ(book.RankCountA[p][k], a) << "period " << p << " viewpoint " << k;
            EXPECT_EQ(book.RankCountC[p][k], c) << "period " << p << " viewpoint " << k;
        }
}

TEST(HomeRoomRules, AttendanceNumberIsRoundedAndKeptInsideTheRoster)
{
    const struct {
        const char* text;
        int number;
    } cases[] = {
        {"1", 1},   {" 7", 7},  {"40", 40}, {"0", 1},      {"41", 40},        {"-3", 1},
        {"", 1},    {"abc", 1}, {"2.5", 2}, {"3.5", 4},    {"12番", 12},      {"99999999999999", 40},
        {"1 5", 15}, {"39.6", 40},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AttendanceNumberFromText(c.text), c.number) << '"' << c.text << '"';
}

TEST(HomeRoomRules, NextStopsAtFortyAndPreviousAtOne)
{
    EXPECT_EQ(NextAttendanceNumber(40), 40);
    EXPECT_EQ(NextAttendanceNumber(39), 40);
    EXPECT_EQ(PreviousAttendanceNumber(1), 1);
    EXPECT_EQ(PreviousAttendanceNumber(2), 1);
}

TEST(HomeRoomRules, DefaultCountsRoundHalvesToEven)
{
    const struct {
        int enrolled, a, c;
    } cases[] = {{25, 8, 2}, {15, 4, 2}, {35, 10, 4}, {5, 2, 0}, {31, 9, 3}, {40, 12, 4}, {1, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(DefaultRankCountA(c.enrolled), c.a) << c.enrolled;
        EXPECT_EQ(DefaultRankCountC(c.enrolled), c.c) << c.enrolled;
    }
}

TEST(HomeRoomRules, OpeningForgetsOnlyTheUnregisteredMarker)
{
    auto book = FreshBook();
    book->SchoolYear = "未登録です";
    ForgetUnregisteredMarker(*book);
    EXPECT_EQ(book->SchoolYear, "");
    book->SchoolYear = "2005年（平成17年）";
    ForgetUnregisteredMarker(*book);
    EXPECT_EQ(book->SchoolYear, "2005年（平成17年）");
}

TEST(HomeRoomRules, RosterGridHasEveryNumberAndName)
{
    const auto book = ClassBook({"青木", "", "上田"});
    TextGrid grid(0, 0);
    FillRosterGrid(*book, grid, 3000);
    ASSERT_EQ(grid.Rows(), 41);
    ASSERT_EQ(grid.Cols(), 2);
    EXPECT_EQ(grid.TextMatrix(0, 0), "No.");
    EXPECT_EQ(grid.TextMatrix(0, 1), "生徒氏名");
    EXPECT_EQ(grid.TextMatrix(1, 1), "青木");
    EXPECT_EQ(grid.TextMatrix(2, 1), "");
    EXPECT_EQ(grid.TextMatrix(3, 1), "上田");
    EXPECT_EQ(grid.TextMatrix(7, 0), " 7");
    EXPECT_EQ(grid.TextMatrix(40, 0), " 40");
    EXPECT_EQ(grid.ColWidth(0), 400);
    EXPECT_EQ(grid.ColWidth(1), 3000);
    EXPECT_EQ(grid.CellBackColour(1, 0), 0xFFFFE0u);
    EXPECT_EQ(grid.CellBackColour(40, 1), 0xFFFFE0u);
    EXPECT_NE(grid.CellBackColour(0, 1), 0xFFFFE0u);
    EXPECT_EQ(RosterNames(grid)[2], "上田");
}

TEST(HomeRoomRules, RegistrationKeepsGapsAndResetsCountsForTheEnrolled)
{
    auto book = FreshBook();
    HomeRoomEntries entries = Roster(30);
    entries.Names[31] = "三十二番";
    ASSERT_FALSE(RegisterHomeRoom(*book, entries));
    EXPECT_EQ(book->StudentCount, 32);
    EXPECT_EQ(book->CountEnrolledStudents(), 31);
    EXPECT_EQ(book->StudentNames[30], "");
    EXPECT_EQ(book->StudentNames[31], "三十二番");
    EXPECT_EQ(book->SchoolYear, "2004年（平成16年）");
    EXPECT_EQ(book->GradeLevel, "4年");
    EXPECT_EQ(book->ClassName, "2組");
    EXPECT_EQ(book->TeacherName, "佐藤 花子");
    ExpectEveryCount(*book, 9, 3);
    EXPECT_TRUE(book->SavedState);
}

TEST(HomeRoomRules, RegistrationResetsCountsOnlyWhenTheClassSizeChanges)
{
    const struct {
        const char* what;
        int names;          // names 1..names registered over a roster of 25
        const char* rename; // new name of number 1, or none
        int a;              // the A count the teacher set afterwards
    } cases[] = {
        {"a misspelt name mended", 25, "生徒一", 17},
        {"one student added", 26, nullptr, 8},
        {"one student gone", 24, nullptr, 7},
    };
    for (const auto& c : cases) {
        auto book = FreshBook();
        ASSERT_FALSE(RegisterHomeRoom(*book, Roster(25)));
        book->RankCountA[1][4] = 17;
        book->RankCountC[3][17] = kCountNotSet;
        HomeRoomEntries entries = Roster(c.names);
        if (c.rename)
            entries.Names[0] = c.rename;
        ASSERT_FALSE(RegisterHomeRoom(*book, entries));
        EXPECT_EQ(book->RankCountA[1][4], c.a) << c.what;
        // A count never set takes the default of the roster either way.
        EXPECT_EQ(book->RankCountC[3][17], DefaultRankCountC(c.names)) << c.what;
    }
}

TEST(HomeRoomRules, EmptyRosterLeavesCountsAlone)
{
    auto book = ClassBook({"青木", "井上"});
    book->RankCountA[0][0] = 5;
    book->RankCountC[2][9] = 1;
    const auto before = *book;
    ASSERT_FALSE(RegisterHomeRoom(*book, Roster(0)));
    EXPECT_EQ(book->StudentCount, 0);
    EXPECT_EQ(book->StudentNames[0], "");
    EXPECT_EQ(book->RankCountA, before.RankCountA);
    EXPECT_EQ(book->RankCountC, before.RankCountC);
    EXPECT_TRUE(book->SavedState);
}

TEST(HomeRoomRules, SeparatorsAndLineBreaksAreStoredAsTheFileCanHoldThem)
{
    auto book = FreshBook();
    HomeRoomEntries entries = Roster(2);
    entries.Names[0] = "山;田";
    entries.Names[1] = "田\r\n中";
    entries.TeacherName = "佐;藤";
    entries.ClassName = "2\n組";
    ASSERT_FALSE(RegisterHomeRoom(*book, entries));
    EXPECT_EQ(book->StudentNames[0], "山；田");
    EXPECT_EQ(book->StudentNames[1], "田中");
    EXPECT_EQ(book->TeacherName, "佐；藤");
    EXPECT_EQ(book->ClassName, "2組");
}

TEST(HomeRoomRules, UnstorableCharacterIsRefusedAndTheBookStaysAsItWas)
{
    const struct {
        HomeRoomField field;
        int studentNo;
        const char* message;
    } cases[] = {
        {HomeRoomField::SchoolYear, 0, "年度の「😀」（U+1F600）はファイルに保存できない文字です。別の文字に直してください。"},
        {HomeRoomField::TeacherName, 0, "担任の氏名の「😀」（U+1F600）はファイルに保存できない文字です。別の文字に直してください。"},
        {HomeRoomField::StudentName, 7,
         "出席番号 7の生徒の氏名の「😀」（U+1F600）はファイルに保存できない文字です。別の文字に直してください。"},
    };
    for (const auto& c : cases) {
        auto book = ClassBook({"青木"});
        const GradeBook before = *book;
        HomeRoomEntries entries = Roster(10);
        if (c.field == HomeRoomField::SchoolYear)
            entries.SchoolYear += "😀";
        else if (c.field == HomeRoomField::TeacherName)
            entries.TeacherName = "佐😀藤";
        else
            entries.Names[c.studentNo - 1] = "青😀木";
        const auto refused = RegisterHomeRoom(*book, entries);
        ASSERT_TRUE(refused.has_value()) << c.message;
        EXPECT_EQ(refused->field, c.field);
        EXPECT_EQ(refused->studentNo, c.studentNo);
        EXPECT_EQ(UnstorableEntryMessage(*refused), c.message);
        EXPECT_TRUE(static_cast<const GradeDocument&>(*book) == before);
        EXPECT_FALSE(book->SavedState);
    }
}

TEST(HomeRoomRules, TransferOutWipesOneStudentAndKeepsStoredAverages)
{
    auto book = ClassBook({"青木", "井上", "上田", "江藤", "小川", "加藤"});
    for (int slot : {0, TestSlot(1, 2, 3, 1), SemesterSummarySlot(2, 5, 3), YearRoundSlot(5, 3)}) {
        for (int s = 0; s < 6; ++s)
            book->Scores[slot][s] = 60.0f + s;
        book->Scores[slot][kAverageColumn] = 62.5f;
        book->Scores[slot][kExamineeColumn] = 6;
    }
    book->Scores[TestSlot(0, 0, 1, 0)][4] = kAbsent;
    book->RankCountA[0][0] = 2;
    GradeBook before = *book;

    TransferOut(*book, 5);

    EXPECT_EQ(book->StudentNames[4], "");
    for (int slot = 0; slot < kSlots; ++slot)
        ASSERT_EQ(book->Scores[slot][4], kNoValue) << "slot " << slot;
    // Everything but number 5's name and scores is as it was.
    before.StudentNames[4].clear();
    for (int slot = 0; slot < kSlots; ++slot)
        before.Scores[slot][4] = kNoValue;
    EXPECT_TRUE(static_cast<const GradeDocument&>(*book) == before);
    EXPECT_EQ(book->StudentCount, 6);
    EXPECT_EQ(book->CountEnrolledStudents(), 5);
    EXPECT_TRUE(book->SavedState);
}

} // namespace
} // namespace miravel
