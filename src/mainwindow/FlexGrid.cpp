#include "mainwindow/FlexGrid.h"

#include "mainwindow/ClippedTextDelegate.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

namespace miravel {

namespace {

constexpr int kEdgeGrip = 3;        // pixels either side of a column edge
constexpr int kNarrowestColumn = 8;  // a dragged column keeps this much

} // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent)
{
    delegate_ = new ClippedTextDelegate(this);
    setItemDelegate(delegate_);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    // Corner last, so that it lies over the other two.
    left_ = makeFixedView();
    top_ = makeFixedView();
    corner_ = makeFixedView();
    left_->setAccessibleName(QStringLiteral("番号と氏名"));
    top_->setAccessibleName(QStringLiteral("表の見出し"));
    corner_->setAccessibleName(QStringLiteral("表の左上の見出し"));

    connect(horizontalScrollBar(), &QScrollBar::valueChanged, top_->horizontalScrollBar(), &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, left_->verticalScrollBar(), &QScrollBar::setValue);
    // A fixed part lays itself out after the table; a value its old range cut short is set again.
    connect(top_->horizontalScrollBar(), &QScrollBar::rangeChanged, this,
            [this] { top_->horizontalScrollBar()->setValue(horizontalScrollBar()->value()); });
    connect(left_->verticalScrollBar(), &QScrollBar::rangeChanged, this,
            [this] { left_->verticalScrollBar()->setValue(verticalScrollBar()->value()); });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int col, int, int width) {
        for (QTableView* view : {top_, left_, corner_})
            view->setColumnWidth(col, width);
        if (col < kFixedCols)
            placeFixedViews();
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, this, [this](int row, int, int height) {
        for (QTableView* view : {top_, left_, corner_})
            view->setRowHeight(row, height);
        if (row < kFixedRows)
            placeFixedViews();
    });
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::columnsInserted})
        connect(model(), signal, this, [this] { copySizes(); });
    for (auto signal : {&QAbstractItemModel::rowsRemoved, &QAbstractItemModel::columnsRemoved})
        connect(model(), signal, this, [this] { placeFixedViews(); });
}

QTableView* FlexGrid::makeFixedView()
{
    auto* view = new QTableView(this);
    view->setModel(model());
    view->setSelectionModel(selectionModel());
    view->setItemDelegate(delegate_);
    view->setFocusPolicy(Qt::NoFocus);
    view->setEditTriggers(NoEditTriggers);
    view->setAutoScroll(false);
    view->setWordWrap(false);
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setHorizontalScrollMode(ScrollPerPixel);
    view->setVerticalScrollMode(ScrollPerPixel);
    for (QHeaderView* header : {view->horizontalHeader(), view->verticalHeader()}) {
        header->hide();
        header->setMinimumSectionSize(1);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    view->viewport()->setMouseTracking(true);
    view->viewport()->installEventFilter(this);
    return view;
}

void FlexGrid::copySizes()
{
    for (QTableView* view : {top_, left_, corner_}) {
        for (int c = 0; c < columnCount(); ++c)
            view->setColumnWidth(c, columnWidth(c));
        for (int r = 0; r < rowCount(); ++r)
            view->setRowHeight(r, rowHeight(r));
    }
    placeFixedViews();
}

int FlexGrid::fixedWidth() const
{
    int width = 0;
    for (int c = 0; c < std::min(kFixedCols, columnCount()); ++c)
        width += columnWidth(c);
    return width;
}

int FlexGrid::fixedHeight() const
{
    int height = 0;
    for (int r = 0; r < std::min(kFixedRows, rowCount()); ++r)
        height += rowHeight(r);
    return height;
}

void FlexGrid::placeFixedViews()
{
    if (!corner_)
        return;  // still being made
    const QRect area = viewport()->geometry();
    const int width = std::min(fixedWidth(), area.width());
    const int height = std::min(fixedHeight(), area.height());
    top_->setGeometry(area.x(), area.y(), area.width(), height);
    left_->setGeometry(area.x(), area.y(), width, area.height());
    corner_->setGeometry(area.x(), area.y(), width, height);
    top_->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    left_->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

void FlexGrid::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    placeFixedViews();
}

void FlexGrid::updateGeometries()
{
    QTableWidget::updateGeometries();
    placeFixedViews();
}

void FlexGrid::paintEvent(QPaintEvent* event)
{
    // The header row and the left columns lie over the scrolling cells:
    // painting those cells as well would lay out their texts for nothing.
    const QRect area = viewport()->rect();
    QRegion covered(0, 0, area.width(), std::min(fixedHeight(), area.height()));
    covered += QRect(0, 0, std::min(fixedWidth(), area.width()), area.height());
    const QRegion shown = event->region().subtracted(covered);
    if (shown.isEmpty())
        return;
    QPaintEvent reduced(shown);
    QTableWidget::paintEvent(&reduced);
}

void FlexGrid::ResetView()
{
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    setCurrentIndex(QModelIndex());
    clearSelection();
}

void FlexGrid::scrollTo(const QModelIndex& index, ScrollHint)
{
    // Only the scrolling part moves, and a cell is brought out from under
    // the fixed row and columns, not just into the viewport.
    if (!index.isValid())
        return;
    const QRect cell = visualRect(index);
    const QRect area = viewport()->rect();
    auto bringIn = [](QScrollBar* bar, int first, int last, int shownFirst, int shownLast) {
        if (first < shownFirst)
            bar->setValue(bar->value() - (shownFirst - first));
        else if (last > shownLast)
            bar->setValue(bar->value() + std::min(last - shownLast, first - shownFirst));
    };
    if (index.column() >= kFixedCols)
        bringIn(horizontalScrollBar(), cell.left(), cell.right(), fixedWidth(), area.right());
    if (index.row() >= kFixedRows)
        bringIn(verticalScrollBar(), cell.top(), cell.bottom(), fixedHeight(), area.bottom());
}

const QTableView* FlexGrid::viewOf(int row, int col) const
{
    const bool fixedRow = row < kFixedRows;
    const bool fixedCol = col < kFixedCols;
    if (fixedRow && fixedCol)
        return corner_;
    if (fixedRow)
        return top_;
    if (fixedCol)
        return left_;
    return this;
}

QRect FlexGrid::ShownCellRect(int row, int col) const
{
    const QTableView* view = viewOf(row, col);
    const QModelIndex index = model()->index(row, col);
    if (!index.isValid())
        return QRect();
    QRect rect = view->visualRect(index).intersected(view->viewport()->rect());
    if (view != this)
        rect.translate(view->geometry().topLeft() - viewport()->geometry().topLeft());
    else
        // A scrolling cell is hidden where the fixed parts lie over it.
        rect = rect.intersected(QRect(fixedWidth(), fixedHeight(), viewport()->width(), viewport()->height()));
    return rect.intersected(viewport()->rect());
}

QString FlexGrid::ClippedCellText(int row, int col) const
{
    return delegate_->ClippedText(viewOf(row, col), model()->index(row, col));
}

int FlexGrid::columnEdgeAt(const QTableView* view, int x) const
{
    const int fixedRight = fixedWidth();
    // The name column's edge is where the corner ends, in either view.
    if (std::abs(x - fixedRight) <= kEdgeGrip && columnCount() >= kFixedCols)
        return kFixedCols - 1;
    for (int c = 0; c < columnCount(); ++c) {
        const int right = view->columnViewportPosition(c) + view->columnWidth(c);
        // The header row shows scrolled columns only right of the corner.
        const bool hidden = view == top_ && (c < kFixedCols || right < fixedRight);
        if (!hidden && std::abs(x - right) <= kEdgeGrip)
            return c;
    }
    return -1;
}

bool FlexGrid::eventFilter(QObject* watched, QEvent* event)
{
    for (QTableView* view : {top_, left_, corner_}) {
        if (watched != view->viewport())
            continue;
        // The fixed parts scroll only with the table.
        if (event->type() == QEvent::Wheel)
            return QCoreApplication::sendEvent(viewport(), event);
        if (view != left_)
            return dragColumnEdge(view, event);
    }
    return QTableWidget::eventFilter(watched, event);
}

bool FlexGrid::dragColumnEdge(QTableView* view, QEvent* event)
{
    QWidget* surface = view->viewport();
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int x = mouse->position().toPoint().x();
        if (draggedColumn_ >= 0) {
            setColumnWidth(draggedColumn_, std::max(kNarrowestColumn, dragStartWidth_ + x - dragStartX_));
            return true;
        }
        if (columnEdgeAt(view, x) >= 0)
            surface->setCursor(Qt::SplitHCursor);
        else
            surface->unsetCursor();
        return false;
    }
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int x = mouse->position().toPoint().x();
        const int col = columnEdgeAt(view, x);
        if (mouse->button() != Qt::LeftButton || col < 0)
            return false;
        draggedColumn_ = col;
        dragStartX_ = x;
        dragStartWidth_ = columnWidth(col);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (draggedColumn_ < 0)
            return false;
        draggedColumn_ = -1;
        return true;
    case QEvent::Leave:
        if (draggedColumn_ < 0)
            surface->unsetCursor();
        return false;
    default:
        return false;
    }
}

} // namespace miravel
