#include "core/TextGrid.h"

#include <stdexcept>

namespace miravel {

namespace {

void requireIndex(const char* what, int index, int count)
{
    if (index < 0 || index >= count)
        throw std::out_of_range(std::string("表の") + what + " " + std::to_string(index) + " が範囲（0〜" +
                                std::to_string(count - 1) + "）の外です");
}

} // namespace

TextGrid::TextGrid(int rows, int cols) { resize(rows, cols); }

void TextGrid::SetRows(int rows) { resize(rows, cols_); }
void TextGrid::SetCols(int cols) { resize(rows_, cols); }

void TextGrid::resize(int rows, int cols)
{
    if (rows < 0 || cols < 0)
        throw std::out_of_range("表の行数または列数が負です");
    if (rows == rows_ && cols == cols_)
        return;
    std::vector<Cell> cells(static_cast<std::size_t>(rows) * cols);
    for (int r = 0; r < rows && r < rows_; ++r)
        for (int c = 0; c < cols && c < cols_; ++c)
            cells[static_cast<std::size_t>(r) * cols + c] = std::move(cells_[index(r, c)]);
    cells_ = std::move(cells);
    rows_ = rows;
    cols_ = cols;
    colWidths_.resize(cols, kDefaultColWidth);
    alignments_.resize(cols, Alignment::General);
    rowHeights_.resize(rows, kDefaultRowHeight);
    ++revision_;
}

void TextGrid::Clear()
{
    for (Cell& cell : cells_)
        cell.text.clear();
    ++revision_;
}

std::size_t TextGrid::index(int row, int col) const
{
    requireIndex("行", row, rows_);
    requireIndex("列", col, cols_);
    return static_cast<std::size_t>(row) * cols_ + col;
}

int TextGrid::ColWidth(int col) const
{
    requireIndex("列", col, cols_);
    return colWidths_[col];
}

void TextGrid::SetColWidth(int col, int twips)
{
    requireIndex("列", col, cols_);
    if (colWidths_[col] != twips) {
        colWidths_[col] = twips;
        ++revision_;
    }
}

int TextGrid::RowHeight(int row) const
{
    requireIndex("行", row, rows_);
    return rowHeights_[row];
}

void TextGrid::SetRowHeight(int row, int twips)
{
    requireIndex("行", row, rows_);
    if (rowHeights_[row] != twips) {
        rowHeights_[row] = twips;
        ++revision_;
    }
}

Alignment TextGrid::ColAlignment(int col) const
{
    requireIndex("列", col, cols_);
    return alignments_[col];
}

void TextGrid::SetColAlignment(int col, Alignment alignment)
{
    requireIndex("列", col, cols_);
    if (alignments_[col] != alignment) {
        alignments_[col] = alignment;
        ++revision_;
    }
}

const std::string& TextGrid::TextMatrix(int row, int col) const { return cells_[index(row, col)].text; }

void TextGrid::SetTextMatrix(int row, int col, const std::string& text)
{
    Cell& cell = cells_[index(row, col)];
    if (cell.text != text) {
        cell.text = text;
        ++revision_;
    }
}

std::uint32_t TextGrid::CellBackColour(int row, int col) const { return cells_[index(row, col)].colour; }

void TextGrid::SetCellBackColour(int row, int col, std::uint32_t rgb)
{
    Cell& cell = cells_[index(row, col)];
    if (cell.colour != rgb) {
        cell.colour = rgb;
        ++revision_;
    }
}

} // namespace miravel
