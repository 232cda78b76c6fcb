// The table keeps its header row and number and name columns in sight,
// starts every new view at the top left, lets the teacher widen columns and
// shows cut-short texts as tool tips; the divider between tree and table
// moves and is remembered.

#include "WindowTestSupport.h"

#include "mainwindow/ClippedTextDelegate.h"
#include "mainwindow/PaneDivider.h"
#include "mainwindow/PaneLayout.h"
#include "platform/Twips.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableView>
#include <QToolTip>

namespace miravel::test {
namespace {

constexpr char kLongName[] = "寿限無寿限無五劫の擦り切れ";

class ReadableTable : public WindowTest {
protected:
    // A class of 40 on the standard window, its first semester of 国語 shown.
    FlexGrid& semesterOfForty()
    {
        start();
        std::vector<std::string> names;
        for (int i = 1; i <= 40; ++i)
            names.push_back(i == 40 ? kLongName : "生徒" + std::to_string(i));
        open(writeBook("class.txt", names));
        Book().SubjectTable[0][1] = "関心・意欲・態度";
        clickKey("1 0 0");
        return *window->MSFlexGrid1;
    }

    static void scrollToTheEnd(FlexGrid& grid)
    {
        // The scroll ranges follow the new row heights once the view has laid itself out.
        QCoreApplication::processEvents();
        grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
        grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
    }

    // The widget drawn at the centre of a cell's shown place.
    static QWidget* drawnAt(FlexGrid& grid, int row, int col)
    {
        const QRect shown = grid.ShownCellRect(row, col);
        return grid.childAt(grid.viewport()->geometry().topLeft() + shown.center());
    }

    static void send(QWidget* target, QEvent::Type type, QPoint onScreen, Qt::MouseButton button,
                     Qt::MouseButtons held)
    {
        QMouseEvent event(type, target->mapFromGlobal(onScreen), onScreen, button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    }

    // Presses at `from`, moves by `dx` and lets go, as a drag with the mouse.
    static void drag(QWidget* target, QPoint from, int dx)
    {
        const QPoint start = target->mapToGlobal(from);
        const QPoint end = start + QPoint(dx, 0);
        send(target, QEvent::MouseMove, start, Qt::NoButton, Qt::NoButton);
        send(target, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        send(target, QEvent::MouseMove, end, Qt::NoButton, Qt::LeftButton);
        send(target, QEvent::MouseButtonRelease, end, Qt::LeftButton, Qt::NoButton);
    }

    static QString toolTipAt(QWidget* viewport, QPoint at)
    {
        QToolTip::hideText();
        QHelpEvent event(QEvent::ToolTip, at, viewport->mapToGlobal(at));
        QCoreApplication::sendEvent(viewport, &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
};

TEST_F(ReadableTable, HeaderRowAndNameColumnsStayInSightWhileTheRestScrolls)
{
    FlexGrid& grid = semesterOfForty();
    ASSERT_EQ(grid.rowCount(), 43);
    scrollToTheEnd(grid);
    ASSERT_GT(grid.verticalScrollBar()->value(), 0) << "the standard window cannot show 43 rows at once";
    ASSERT_GT(grid.horizontalScrollBar()->value(), 0);

    // The first rows and value columns went out of sight...
    EXPECT_TRUE(grid.ShownCellRect(1, 2).isEmpty());
    EXPECT_TRUE(grid.ShownCellRect(0, 2).isEmpty());
    // ...the header over the last column, the number and the name of the
    // last student stay, at the top and left edges.
    const QRect header = grid.ShownCellRect(0, 12);
    const QRect name = grid.ShownCellRect(40, 1);
    ASSERT_FALSE(header.isEmpty());
    ASSERT_FALSE(name.isEmpty());
    EXPECT_EQ(header.top(), 0);
    EXPECT_EQ(name.left(), grid.columnWidth(0));
    EXPECT_EQ(grid.ShownCellRect(0, 1).topLeft(), QPoint(grid.columnWidth(0), 0));
    EXPECT_FALSE(grid.ShownCellRect(42, 12).isEmpty())  // the class averages
        << grid.visualRect(grid.model()->index(42, 12)).y() << " " << grid.viewport()->height() << " "
        << grid.verticalScrollBar()->value() << "/" << grid.verticalScrollBar()->maximum();

    // And those are what is drawn there, over the scrolled cells.
    EXPECT_EQ(drawnAt(grid, 0, 12), grid.FixedRowView()->viewport());
    EXPECT_EQ(drawnAt(grid, 40, 1), grid.FixedColumnView()->viewport());
    EXPECT_EQ(drawnAt(grid, 0, 1), grid.CornerView()->viewport());
    EXPECT_EQ(drawnAt(grid, 42, 12), grid.viewport());
    const QTableView* names = grid.FixedColumnView();
    EXPECT_EQ(names->indexAt(names->viewport()->mapFrom(&grid, grid.viewport()->geometry().topLeft() +
                                                                    name.center()))
                  .row(),
              40);
}

TEST_F(ReadableTable, KeyboardMovesBringCellsOutFromUnderTheFixedParts)
{
    FlexGrid& grid = semesterOfForty();
    scrollToTheEnd(grid);
    grid.setCurrentCell(1, 2);
    const QRect shown = grid.ShownCellRect(1, 2);
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown, grid.visualRect(grid.model()->index(1, 2)).intersected(grid.viewport()->rect()));
}

TEST_F(ReadableTable, AnotherViewStartsAtTheTopLeftWithoutACurrentCell)
{
    FlexGrid& grid = semesterOfForty();
    scrollToTheEnd(grid);
    grid.setCurrentCell(30, 5);
    clickKey("0 0");
    EXPECT_EQ(grid.verticalScrollBar()->value(), 0);
    EXPECT_EQ(grid.horizontalScrollBar()->value(), 0);
    EXPECT_FALSE(grid.currentIndex().isValid());
    EXPECT_EQ(grid.ShownCellRect(1, 2).topLeft(), QPoint(grid.columnWidth(0) + grid.columnWidth(1), grid.rowHeight(0)));
}

TEST_F(ReadableTable, DraggedColumnEdgeWidensTheColumnUntilTheNextView)
{
    FlexGrid& grid = semesterOfForty();
    const int standard = grid.columnWidth(3);
    QWidget* header = grid.FixedRowView()->viewport();
    const QRect cell = grid.ShownCellRect(0, 3);
    drag(header, QPoint(cell.right() + 1, cell.center().y()), 40);
    EXPECT_EQ(grid.columnWidth(3), standard + 40);
    EXPECT_EQ(grid.FixedRowView()->columnWidth(3), standard + 40);

    // The name column widens from its edge at the corner, and the fixed part with it.
    const int nameWidth = grid.columnWidth(1);
    drag(grid.CornerView()->viewport(), QPoint(grid.ShownCellRect(0, 1).right(), 10), 30);
    EXPECT_EQ(grid.columnWidth(1), nameWidth + 30);
    EXPECT_EQ(grid.CornerView()->width(), grid.columnWidth(0) + grid.columnWidth(1));

    // Redrawn after an editor: the teacher's widths stay.
    window->Form_Activate();
    EXPECT_EQ(grid.columnWidth(3), standard + 40);
    // Another view starts from its own widths.
    clickKey("1 0 1");
    EXPECT_EQ(grid.columnWidth(3), standard);
    EXPECT_EQ(grid.columnWidth(1), TwipsToPixels(1600, LogicalDpiX(&grid)));
}

TEST_F(ReadableTable, CutShortCellsAndNodesShowTheirWholeTextAsToolTip)
{
    FlexGrid& grid = semesterOfForty();
    EXPECT_EQ(grid.ClippedCellText(0, 2), U("関心・意欲・態度\n 平均点"));
    EXPECT_EQ(grid.ClippedCellText(40, 1), U(kLongName));
    EXPECT_EQ(grid.ClippedCellText(1, 1), QString());   // 生徒1 fits
    EXPECT_EQ(grid.ClippedCellText(0, 5), QString());   // 理解 / 平均点 fits

    // Pointing at the header cell brings the tool tip up.
    const QRect header = grid.ShownCellRect(0, 2);
    QWidget* top = grid.FixedRowView()->viewport();
    EXPECT_EQ(toolTipAt(top, top->mapFromGlobal(grid.viewport()->mapToGlobal(header.center()))), U("関心・意欲・態度\n 平均点"));

    // A viewpoint node deep in the narrow tree is cut at the pane's edge.
    NavigationTree* tree = window->TreeView1;
    QTreeWidgetItem* node = tree->NodeByKey(QStringLiteral("3 0 0 0 0"));
    ASSERT_NE(node, nullptr);
    tree->scrollToItem(node);
    tree->horizontalScrollBar()->setValue(0);
    const QRect rect = tree->visualItemRect(node);
    ASSERT_GT(rect.right(), tree->viewport()->width()) << "the node must be wider than the pane";
    const QPoint inside(std::min(rect.right(), tree->viewport()->width()) - 10, rect.center().y());
    EXPECT_EQ(toolTipAt(tree->viewport(), inside), node->text(0));

    // A node that fits has none.
    QTreeWidgetItem* subject = tree->NodeByKey(QStringLiteral("0 1"));
    ASSERT_NE(subject, nullptr);
    const auto* delegate = qobject_cast<const ClippedTextDelegate*>(tree->itemDelegate());
    ASSERT_NE(delegate, nullptr);
    EXPECT_EQ(delegate->ClippedText(tree, tree->indexFromItem(subject)), QString());
    EXPECT_EQ(delegate->ClippedText(tree, tree->indexFromItem(node)), node->text(0));
}

TEST_F(ReadableTable, DividerMovesTheEdgeAndIsRememberedForTheNextStart)
{
    frmMain& w = start();
    const double dpi = LogicalDpiX(&w);
    ASSERT_EQ(w.Layout().frame2Width, 3250);
    PaneDivider* divider = w.Divider;
    ASSERT_EQ(divider->x(), w.Frame2->width());
    EXPECT_EQ(divider->x() + divider->width(), w.Frame1->x());

    drag(divider, divider->rect().center(), 90);
    const int moved = w.Layout().frame2Width;
    EXPECT_NEAR(moved, 3250 + PixelsToTwips(90, dpi), 30);
    EXPECT_EQ(w.Frame2->width(), TwipsToPixels(moved, dpi));
    EXPECT_EQ(w.Frame1->x(), TwipsToPixels(moved + 105, dpi));
    EXPECT_EQ(platform.settings.value(ScriptedPlatform::SettingPath("Miravel", "Settings", "TreeFrameWidth")),
              QString::number(moved));

    // Resizing the window keeps the teacher's edge instead of a quarter.
    w.resize(TwipsToPixels(16000, dpi), w.height());
    EXPECT_EQ(w.Layout().frame2Width, moved);

    // The next start puts it back.
    window.reset();
    frmMain& again = start();
    EXPECT_EQ(again.Layout().frame2Width, moved);
    EXPECT_EQ(again.Frame2->width(), TwipsToPixels(moved, dpi));
}

TEST(PaneLayoutDivider, TeachersWidthReplacesTheQuarterWithinLimits)
{
    struct Case {
        int dragged;
        int expected;
    };
    // A 13000 wide window leaves at most 13000 - 105 - 120 - 1000 for the tree.
    const Case cases[] = {{0, 3250}, {5000, 5000}, {200, 1000}, {20000, 11775}};
    for (const Case& c : cases) {
        const PaneLayout layout = FitPanes(PaneLayout{}, 13000, 10000, c.dragged);
        EXPECT_EQ(layout.frame2Width, c.expected) << c.dragged;
        EXPECT_EQ(layout.frame1Left, c.expected + 105) << c.dragged;
        EXPECT_EQ(layout.frame1Width, 13000 - c.expected - 105 - 120) << c.dragged;
    }
}

} // namespace
} // namespace miravel::test
