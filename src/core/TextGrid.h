#pragma once
// The table of the main window as plain data: rows, columns, widths and
// heights in twips, column alignment, cell texts and background colours.
// Views write here; the grid widget, the CSV export and printing read it.

#include <cstdint>
#include <string>
#include <vector>

namespace miravel {

enum class Alignment { General, LeftCenter, CenterCenter, RightCenter };

// Cell colours are 0xRRGGBB; this value means "as the widget draws it".
constexpr std::uint32_t kDefaultCellColour = 0xFFFFFFFFu;

class TextGrid {
public:
    TextGrid(int rows = 43, int cols = 15);

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    // Changing the size keeps the cells that stay inside it; new cells are empty.
    void SetRows(int rows);
    void SetCols(int cols);
    // Empties every cell's text; size, widths, heights, alignment and colours stay.
    void Clear();

    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);
    Alignment ColAlignment(int col) const;
    void SetColAlignment(int col, Alignment alignment);

    const std::string& TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const std::string& text);
    std::uint32_t CellBackColour(int row, int col) const;
    void SetCellBackColour(int row, int col, std::uint32_t rgb);

    // Grows on every change; a mirror compares it to know when to copy again.
    std::uint64_t Revision() const { return revision_; }

    static constexpr int kDefaultColWidth = 800;
    static constexpr int kDefaultRowHeight = 240;

private:
    struct Cell {
        std::string text;
        std::uint32_t colour = kDefaultCellColour;
    };
    std::size_t index(int row, int col) const;
    void resize(int rows, int cols);

    int rows_ = 0;
    int cols_ = 0;
    std::vector<Cell> cells_;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    std::vector<Alignment> alignments_;
    std::uint64_t revision_ = 0;
};

} // namespace miravel
