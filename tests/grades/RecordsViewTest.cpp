// The table of a records node: headings, each student's values, the empty
// case.

#include "grades/RecordsView.h"

#include "grades/GridBase.h"
#include "support/Books.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace miravel::test {
namespace {

std::vector<std::string> Rows(const TextGrid& grid)
{
    std::vector<std::string> rows;
    for (int row = 0; row < grid.Rows(); ++row) {
        std::string line;
        for (int col = 0; col < grid.Cols(); ++col)
            line += (col ? "|" : "") + grid.TextMatrix(row, col);
        rows.push_back(line);
    }
    return rows;
}

TEST(RecordsView, HeadingsAndValuesOfOneSubjectAndPeriod)
{
    auto book = ClassBook({"青木", "", "江藤"});
    book->Evaluation.Records.extra[0].name = "音楽";
    ClassRecord song;
    song.title = "歌唱";
    song.date = "2026/06/02";
    song.viewpoint = 1;
    song.values[0] = 3;
    song.values[2] = kRecordAbsent;
    ClassRecord rhythm;
    rhythm.title = "リズム";
    rhythm.viewpoint = 0;
    rhythm.kind = RecordKind::Points;
    rhythm.full = 10;
    rhythm.values[0] = 7;
    rhythm.values[2] = 10;
    book->Evaluation.Records.Of(6, 1) = {song, rhythm};
    book->Evaluation.Records.Of(6, 0) = {rhythm};  // another period stays out

    TablePane pane;
    ShowRecordsView(*book, pane, 6, 1);
    EXPECT_EQ(pane.Caption, CaptionLine(*book) + "　音楽 二学期の平常の記録");
    const std::vector<std::string> expected = {
        "No.|生徒氏名|歌唱|リズム",
        "||2026/06/02|",
        "||思考・判断・表現 記号|知識・技能 10点",
        " 1|青木|◎|7",
        " 2|||",
        " 3|江藤|*|10",
    };
    EXPECT_EQ(Rows(pane.Grid), expected);
    EXPECT_EQ(book->ShownColumnCount, 4);

    ShowRecordsView(*book, pane, 1, 2);
    EXPECT_EQ(Rows(pane.Grid)[0], "No.|生徒氏名|記録はまだありません（[平常の記録]で加えます）");
    EXPECT_EQ(pane.Grid.Rows(), 6);
}

} // namespace
} // namespace miravel::test
