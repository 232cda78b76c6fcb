#include "mainwindow/GridMirror.h"

#include "platform/Twips.h"

#include <QHeaderView>
#include <QTableWidget>

namespace miravel {

namespace {

// Row 0 and column 0 are the header row and the number column.
bool IsFixedCell(int row, int col) { return row == 0 || col == 0; }

Qt::Alignment ToQtAlignment(Alignment alignment, const QString& text)
{
    switch (alignment) {
    case Alignment::LeftCenter:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case Alignment::CenterCenter:
        return Qt::AlignCenter;
    case Alignment::RightCenter:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::General:
        break;
    }
    // General: numbers to the right, words to the left.
    bool isNumber = false;
    text.trimmed().toDouble(&isNumber);
    return (isNumber ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

} // namespace

GridMirror::GridMirror(QTableWidget* widget) : widget_(widget)
{
    widget_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget_->horizontalHeader()->hide();
    widget_->verticalHeader()->hide();
    widget_->horizontalHeader()->setMinimumSectionSize(1);
    widget_->verticalHeader()->setMinimumSectionSize(1);
    widget_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    widget_->setWordWrap(false);
}

QString GridMirror::DisplayText(const std::string& text)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void GridMirror::Sync(const TextGrid& grid)
{
    const double dpiX = LogicalDpiX(widget_);
    const double dpiY = LogicalDpiY(widget_);
    if (&grid == lastGrid_ && grid.Revision() == lastRevision_ && dpiX == dpiX_ && dpiY == dpiY_)
        return;
    if (dpiX != dpiX_ || dpiY != dpiY_) {
        // Every width and height has to be converted again.
        widths_.assign(widths_.size(), -1);
        heights_.assign(heights_.size(), -1);
        dpiX_ = dpiX;
        dpiY_ = dpiY;
    }
    syncShape(grid);
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < cols_; ++c)
            syncCell(grid, r, c);
    lastGrid_ = &grid;
    lastRevision_ = grid.Revision();
}

void GridMirror::ForgetSizes()
{
    widths_.assign(widths_.size(), -1);
    heights_.assign(heights_.size(), -1);
    lastGrid_ = nullptr;
}

void GridMirror::syncShape(const TextGrid& grid)
{
    const int rows = grid.Rows();
    const int cols = grid.Cols();
    if (rows != rows_ || cols != cols_) {
        // The widget keeps the items of the cells that stay; so does the record.
        std::vector<Shown> shown(static_cast<std::size_t>(rows) * cols);
        for (int r = 0; r < rows && r < rows_; ++r)
            for (int c = 0; c < cols && c < cols_; ++c)
                shown[static_cast<std::size_t>(r) * cols + c] = std::move(shown_[static_cast<std::size_t>(r) * cols_ + c]);
        shown_ = std::move(shown);
        widget_->setRowCount(rows);
        widget_->setColumnCount(cols);
        widths_.resize(cols, -1);
        heights_.resize(rows, -1);
        rows_ = rows;
        cols_ = cols;
    }
    for (int c = 0; c < cols; ++c) {
        const int width = TwipsToPixels(grid.ColWidth(c), dpiX_);
        if (widths_[c] != width) {
            widget_->setColumnWidth(c, width);
            widths_[c] = width;
        }
    }
    for (int r = 0; r < rows; ++r) {
        const int height = TwipsToPixels(grid.RowHeight(r), dpiY_);
        if (heights_[r] != height) {
            widget_->setRowHeight(r, height);
            heights_[r] = height;
        }
    }
}

void GridMirror::syncCell(const TextGrid& grid, int row, int col)
{
    Shown& shown = shown_[static_cast<std::size_t>(row) * cols_ + col];
    const std::string& text = grid.TextMatrix(row, col);
    const std::uint32_t colour = grid.CellBackColour(row, col);
    const Alignment alignment = grid.ColAlignment(col);
    if (shown.present && shown.text == text && shown.colour == colour && shown.alignment == alignment)
        return;
    QTableWidgetItem* item = widget_->item(row, col);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        widget_->setItem(row, col, item);
    }
    const QString display = DisplayText(text);
    item->setText(display);
    item->setTextAlignment(ToQtAlignment(alignment, display));
    if (colour != kDefaultCellColour)
        item->setBackground(QColor::fromRgb(colour & 0xFFFFFFu));
    else if (IsFixedCell(row, col))
        item->setBackground(widget_->palette().color(QPalette::Button));
    else
        item->setBackground(QBrush());
    shown.text = text;
    shown.colour = colour;
    shown.alignment = alignment;
    shown.present = true;
}

} // namespace miravel
