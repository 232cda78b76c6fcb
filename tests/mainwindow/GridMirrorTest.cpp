// The grid widget mirrors the table model: texts, sizes, colours, line
// breaks, and only what changed is touched.

#include "mainwindow/GridMirror.h"
#include "platform/Twips.h"

#include <QTableWidget>

#include <gtest/gtest.h>

namespace miravel::test {
namespace {

class Mirror : public ::testing::Test {
protected:
    QString text(int row, int col) const
    {
        const QTableWidgetItem* item = widget.item(row, col);
        return item ? item->text() : QString();
    }
    int px(int twips) const { return TwipsToPixels(twips, LogicalDpiX(&widget)); }

    QTableWidget widget;
    GridMirror mirror{&widget};
    TextGrid grid{4, 3};
};

TEST_F(Mirror, CopiesTextsSizesAndLineBreaks)
{
    grid.SetColWidth(1, 1600);
    grid.SetRowHeight(0, 600);
    grid.SetTextMatrix(0, 1, "国語\r 平均点");
    grid.SetTextMatrix(0, 2, "a\r\nb");
    grid.SetTextMatrix(3, 2, "85.0");
    mirror.Sync(grid);
    EXPECT_EQ(widget.rowCount(), 4);
    EXPECT_EQ(widget.columnCount(), 3);
    EXPECT_EQ(text(0, 1), QString::fromUtf8("国語\n 平均点"));
    EXPECT_EQ(text(0, 2), QStringLiteral("a\nb"));
    EXPECT_EQ(text(3, 2), QStringLiteral("85.0"));
    EXPECT_EQ(widget.columnWidth(1), px(1600));
    EXPECT_EQ(widget.columnWidth(0), px(TextGrid::kDefaultColWidth));
    EXPECT_EQ(widget.rowHeight(0), TwipsToPixels(600, LogicalDpiY(&widget)));
    EXPECT_EQ(widget.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(widget.item(3, 2)->flags() & Qt::ItemIsEditable);
}

TEST_F(Mirror, TouchesOnlyTheCellsThatChanged)
{
    grid.SetTextMatrix(1, 1, "one");
    grid.SetTextMatrix(2, 2, "two");
    mirror.Sync(grid);
    // A cell the model did not change keeps whatever the widget shows.
    widget.item(2, 2)->setText(QStringLiteral("left alone"));
    grid.SetTextMatrix(1, 1, "uno");
    mirror.Sync(grid);
    EXPECT_EQ(text(1, 1), QStringLiteral("uno"));
    EXPECT_EQ(text(2, 2), QStringLiteral("left alone"));
}

TEST_F(Mirror, ShrinkingAndGrowingKeepsTheCellsThatStay)
{
    grid.SetTextMatrix(1, 0, " 1");
    grid.SetTextMatrix(3, 1, "last");
    mirror.Sync(grid);
    grid.SetRows(2);
    mirror.Sync(grid);
    EXPECT_EQ(widget.rowCount(), 2);
    grid.SetRows(5);
    grid.SetCols(4);
    grid.SetTextMatrix(4, 3, "corner");
    mirror.Sync(grid);
    EXPECT_EQ(widget.rowCount(), 5);
    EXPECT_EQ(widget.columnCount(), 4);
    EXPECT_EQ(text(1, 0), QStringLiteral(" 1"));
    EXPECT_EQ(text(3, 1), QString());
    EXPECT_EQ(text(4, 3), QStringLiteral("corner"));
    // A cell that came back empty after being cleared by a shrink shows so
    // even when the model writes it again with the old text.
    grid.SetTextMatrix(3, 1, "last");
    mirror.Sync(grid);
    EXPECT_EQ(text(3, 1), QStringLiteral("last"));
}

TEST_F(Mirror, ColoursAndAlignment)
{
    grid.SetCellBackColour(1, 1, 0xFFFFE0);
    grid.SetTextMatrix(1, 1, "12.5");
    grid.SetTextMatrix(1, 2, "山田");
    grid.SetColAlignment(0, Alignment::CenterCenter);
    grid.SetTextMatrix(2, 0, "x");
    mirror.Sync(grid);
    EXPECT_EQ(widget.item(1, 1)->background().color(), QColor(255, 255, 224));
    EXPECT_EQ(widget.item(1, 2)->background().style(), Qt::NoBrush);
    // General alignment: numbers right, words left.
    EXPECT_TRUE(Qt::Alignment(widget.item(1, 1)->textAlignment()) & Qt::AlignRight);
    EXPECT_TRUE(Qt::Alignment(widget.item(1, 2)->textAlignment()) & Qt::AlignLeft);
    EXPECT_TRUE(Qt::Alignment(widget.item(2, 0)->textAlignment()) & Qt::AlignHCenter);

    grid.SetCellBackColour(1, 1, kDefaultCellColour);
    mirror.Sync(grid);
    EXPECT_EQ(widget.item(1, 1)->background().style(), Qt::NoBrush);
}

} // namespace
} // namespace miravel::test
