#pragma once
// Shows a TextGrid in a table widget: texts, column widths, row heights,
// alignment and cell colours. The widget is read-only for the user. Only
// what changed since the last copy is touched, so a redraw of a 43 x 15
// table costs little when a view changes a few cells.

#include "core/TextGrid.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <vector>

class QTableWidget;

namespace miravel {

class GridMirror {
public:
    explicit GridMirror(QTableWidget* widget);

    void Sync(const TextGrid& grid);
    // The next Sync sets every width and height again, undoing the teacher's
    // widening of columns: a new table starts from its own widths.
    void ForgetSizes();

    // What a cell of the model looks like on screen: a CR (alone or before
    // LF) becomes a line break.
    static QString DisplayText(const std::string& text);

private:
    struct Shown {
        std::string text;
        std::uint32_t colour = kDefaultCellColour;
        Alignment alignment = Alignment::General;
        bool present = false;
    };

    void syncShape(const TextGrid& grid);
    void syncCell(const TextGrid& grid, int row, int col);

    QTableWidget* widget_;
    const TextGrid* lastGrid_ = nullptr;
    std::uint64_t lastRevision_ = 0;
    int rows_ = 0;
    int cols_ = 0;
    double dpiX_ = 0;
    double dpiY_ = 0;
    std::vector<int> widths_;
    std::vector<int> heights_;
    std::vector<Shown> shown_;  // row-major, rows_ x cols_
};

} // namespace miravel
