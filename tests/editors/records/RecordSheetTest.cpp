// The 平常の記録 grid's working copy without a window: the heading check,
// the 20-record limit, changing a heading over values, and the paste plan.

#include "editors/records/RecordPaste.h"
#include "editors/records/RecordSheet.h"

#include <gtest/gtest.h>

namespace miravel::test {
namespace {

RecordHeading Mark(const char* title) { return {title, "2026/05/12", 2, false, 3}; }
RecordHeading Points(const char* title, int full) { return {title, "", 0, true, full}; }

TEST(RecordSheet, HeadingCheck)
{
    struct Case {
        RecordHeading heading;
        HeadingField field;
    };
    const Case cases[] = {
        {Mark("ノート"), HeadingField::None},
        {{"発表", "", 2, false, 3}, HeadingField::None},
        {{"　 ", "", 1, false, 3}, HeadingField::Title},
        {{"ノ\nート", "", 1, false, 3}, HeadingField::Title},
        {{"ノート", "2026/02/30", 1, false, 3}, HeadingField::Date},
        {{"ノート", "5月12日", 1, false, 3}, HeadingField::Date},
        {Points("小テスト", 1), HeadingField::None},
        {Points("小テスト", 1000), HeadingField::None},
        {Points("小テスト", 0), HeadingField::Full},
        {Points("小テスト", 1001), HeadingField::Full},
        {{"ノート", "", 1, false, 0}, HeadingField::None},  // 記号 ignores the field
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckHeading(c.heading).field, c.field) << c.heading.title << " " << c.heading.date << " "
                                                         << c.heading.full;
}

TEST(RecordSheet, TwentyRecordsAndNoMore)
{
    RecordSheet sheet;
    for (int k = 0; k < kMaxRecords; ++k)
        ASSERT_EQ(AddRecord(sheet, Mark("ノート"), 3).field, HeadingField::None) << k;
    const RecordSheet full = sheet;
    const HeadingCheck refused = AddRecord(sheet, Mark("発表"), 3);
    EXPECT_EQ(refused.message, "平常の記録は 1 つの教科・学期に 20 までです。"
                               "新しく加えるには、使わない記録を削除してください。");
    EXPECT_TRUE(sheet == full);
    RemoveRecord(sheet, 4);
    EXPECT_EQ(AddRecord(sheet, Mark("発表"), 3).field, HeadingField::None);
    EXPECT_EQ(sheet.columns.size(), 20u);
    EXPECT_EQ(sheet.columns.back().heading.title, "発表");
}

TEST(RecordSheet, AddedColumnIsEmptyAndStoredInOneSpelling)
{
    RecordSheet sheet;
    ASSERT_EQ(AddRecord(sheet, {"ノート", "2026-5-2", 2, false, 7}, 4).field, HeadingField::None);
    const RecordSheet expected{{{{"ノート", "2026/05/02", 2, false, 3}, {"", "", "", ""}}}};
    EXPECT_TRUE(sheet == expected);
}

TEST(RecordSheet, HeadingChangesOverValues)
{
    RecordSheet sheet{{{Points("小テスト", 10), {"8", "*", "", "10"}}}};
    EXPECT_EQ(ChangeHeading(sheet, 0, Points("小テスト", 9)).message, "出席番号 4 の点数 10 が満点を超えます。");
    EXPECT_EQ(ChangeHeading(sheet, 0, Mark("小テスト")).field, HeadingField::Kind);
    EXPECT_EQ(ChangeHeading(sheet, 0, {"確認テスト", "2026/6/1", 2, true, 10}).field, HeadingField::None);
    const RecordSheet changed{{{{"確認テスト", "2026/06/01", 2, true, 10}, {"8", "*", "", "10"}}}};
    EXPECT_TRUE(sheet == changed);
    // With no values the kind may change.
    RecordSheet empty{{{Points("小テスト", 10), {"", ""}}}};
    EXPECT_EQ(ChangeHeading(empty, 0, Mark("観察")).field, HeadingField::None);
    EXPECT_TRUE(empty.columns[0].heading == Mark("観察"));
}

TEST(RecordPaste, PlanOfABlock)
{
    const RecordSheet sheet{{{Mark("ノート"), {"", "", "", ""}},
                             {Points("小テスト", 10), {"", "", "", ""}}}};
    const std::vector<bool> named = {true, false, true, true};
    // From 出席番号 1, first record; 2 has no name, 5 is past the roster.
    const std::vector<std::vector<std::string>> block = {
        {"3", "10"}, {"a", "5"}, {"欠", "*"}, {"◎", "11", "x"}, {"1"}, {"", "abc"}};
    const RecordPastePlan plan = PlanRecordPaste(sheet, block, 1, 0, named);
    const std::vector<RecordCell> cells = {{1, 0, "◎"}, {1, 1, "10"}, {3, 0, "*"}, {3, 1, "*"}, {4, 0, "◎"}};
    const std::vector<RecordRefusal> refused = {
        {2, 0, "a", "名前のない出席番号です"},
        {2, 1, "5", "名前のない出席番号です"},
        {4, 1, "11", "点数は 0 から 10 までの数です"},
        {4, -1, "x", "貼り付ける記録の列がありません"},
        {5, 0, "1", "名簿にない出席番号です"},
        {6, 1, "abc", "名簿にない出席番号です"},
    };
    EXPECT_EQ(plan.cells, cells);
    EXPECT_EQ(plan.refused, refused);

    RecordSheet pasted = sheet;
    ApplyRecordPaste(pasted, plan);
    const RecordSheet expected{{{Mark("ノート"), {"◎", "", "*", "◎"}},
                                {Points("小テスト", 10), {"10", "", "*", ""}}}};
    EXPECT_TRUE(pasted == expected);
}

TEST(RecordPaste, StartsAtTheChosenRecordAndRefusesBadMarks)
{
    const RecordSheet sheet{{{Mark("ノート"), {"○", "○"}}, {Mark("発表"), {"", "△"}}}};
    const RecordPastePlan plan = PlanRecordPaste(sheet, {{"2"}, {"4"}}, 1, 1, {true, true});
    EXPECT_EQ(plan.cells, (std::vector<RecordCell>{{1, 1, "○"}}));
    EXPECT_EQ(plan.refused, (std::vector<RecordRefusal>{{2, 1, "4", "記号は 3・2・1、a・b・c か ◎・○・△ です"}}));
    EXPECT_EQ(RecordPasteSummary(sheet, plan), "1 個の記録を貼り付けました。\n"
                                               "貼り付けなかったセルが 1 個あります：\n"
                                               "出席番号 2（発表）「4」：記号は 3・2・1、a・b・c か ◎・○・△ です\n"
                                               "「登録」を押すまで成績ファイルには入りません。");
}

} // namespace
} // namespace miravel::test
