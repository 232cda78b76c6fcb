#pragma once
// The main window's table. Its header row and its number and name columns
// stay in place while the rest scrolls beneath them, as a grid's fixed row
// and columns do: three views of the same cells lie over the table's corner,
// top and left edges and follow its scrolling and sizes. The teacher widens
// a column by dragging its edge in the header row. Cut-short texts show in
// full as tool tips.

#include <QTableWidget>

class QTableView;

namespace miravel {

class ClippedTextDelegate;

class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kFixedRows = 1;
    static constexpr int kFixedCols = 2;

    explicit FlexGrid(QWidget* parent = nullptr);

    // As a new table starts: scrolled to the top left, no current cell.
    void ResetView();

    // Where the cell is drawn, in the viewport's coordinates and clipped to
    // it: a fixed cell stays put whatever the scroll position. Empty when
    // the cell is out of sight.
    QRect ShownCellRect(int row, int col) const;
    // The whole text of a cell cut short on screen, else empty.
    QString ClippedCellText(int row, int col) const;

    // The views lying over the fixed parts: header row, left columns, corner.
    QTableView* FixedRowView() const { return top_; }
    QTableView* FixedColumnView() const { return left_; }
    QTableView* CornerView() const { return corner_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Scroll bars coming and going change the viewport without a resize.
    void updateGeometries() override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    // Paints only what the fixed views leave in sight.
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* makeFixedView();
    void placeFixedViews();
    void copySizes();
    int fixedWidth() const;
    int fixedHeight() const;
    // The view a cell is drawn by.
    const QTableView* viewOf(int row, int col) const;
    // The column whose right edge is under x in a header view, or -1.
    int columnEdgeAt(const QTableView* view, int x) const;
    bool dragColumnEdge(QTableView* view, QEvent* event);

    ClippedTextDelegate* delegate_ = nullptr;
    QTableView* top_ = nullptr;
    QTableView* left_ = nullptr;
    QTableView* corner_ = nullptr;
    int draggedColumn_ = -1;
    int dragStartX_ = 0;
    int dragStartWidth_ = 0;
};

} // namespace miravel
