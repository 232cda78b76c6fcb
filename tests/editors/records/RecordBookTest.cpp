// The grid's working copy to the book's records and back, and the heading
// it shows.

#include "editors/records/RecordBook.h"

#include "support/Books.h"

#include <gtest/gtest.h>

namespace miravel::test {
namespace {

TEST(RecordBook, SheetIntoTheRecordsAndBack)
{
    RecordSheet sheet;
    RecordColumn marks{{"ノート", "2026/05/12", 2, false, 3}, std::vector<std::string>(kRecordStudents)};
    marks.values[0] = "◎";
    marks.values[1] = "△";
    marks.values[3] = "*";
    RecordColumn points{{"小テスト", "", 0, true, 20}, std::vector<std::string>(kRecordStudents)};
    points.values[0] = "0";
    points.values[39] = "20";
    sheet.columns = {marks, points};

    ClassRecords records;
    records.Of(2, 1).resize(1);  // another subject and period stay as they are
    const ClassRecords before = records;
    StoreSheet(records, 8, 2, sheet);

    ClassRecord mark;
    mark.title = "ノート";
    mark.date = "2026/05/12";
    mark.viewpoint = 2;
    mark.values[0] = 3;
    mark.values[1] = 1;
    mark.values[3] = kRecordAbsent;
    ClassRecord point;
    point.title = "小テスト";
    point.kind = RecordKind::Points;
    point.full = 20;
    point.values[0] = 0;
    point.values[39] = 20;
    ClassRecords expected = before;
    expected.Of(8, 2) = {mark, point};
    EXPECT_TRUE(records == expected);
    EXPECT_TRUE(SheetOf(records, 8, 2) == sheet);
}

TEST(RecordBook, HeadingNamesTheSubjectAndPeriod)
{
    auto book = ClassBook({"山田"});
    book->Evaluation.Records.extra[1].name = "図画工作";
    EXPECT_EQ(RecordsPlaceName(*book, 1, 0), "算数 一学期の平常の記録");
    EXPECT_EQ(RecordsPlaceName(*book, 7, 2), "図画工作 三学期の平常の記録");
}

TEST(RecordBook, RegisteringNothingNewIsNoStep)
{
    auto book = ClassBook({"山田"});
    const RecordSheet stored = SheetOf(book->Evaluation.Records, 0, 0);
    EXPECT_FALSE(RegisterRecords(*book, 0, 0, stored));
    EXPECT_FALSE(book->SavedState);
}

} // namespace
} // namespace miravel::test
