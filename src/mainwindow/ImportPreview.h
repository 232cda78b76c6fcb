#pragma once
// Parts shared by the windows that preview a table from another program
// before anything is taken from it: a drop-down choosing one of its columns
// and the table of its rows.

#include "file/CsvTable.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <QStringList>

#include <vector>

class QComboBox;
class QTableView;

namespace miravel {

// "（なし）" (when `optional`) and one entry per column: "3列目 出席番号",
// named by the header cell or, without a header, by the first row's cell.
// The entry's data is the column's index, -1 for none.
QComboBox* ColumnChooser(const std::vector<CsvRow>& rows, bool optional);

// Chooses the entry of `column` (-1 for none).
void ChooseColumn(QComboBox* chooser, int column);

// The chosen column, -1 for none.
int ChosenColumn(const QComboBox* chooser);

// The rows of a preview: the window's own columns first (what each row
// becomes), then the file's cells, read from the parsed table only when
// shown. The table itself is the caller's and outlives the model.
class PreviewRows : public QAbstractTableModel {
    Q_OBJECT

public:
    PreviewRows(const std::vector<CsvRow>& rows, const QStringList& ownHeaders, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A tick in a checkable own cell; nothing else is edited.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The own cells, emptied before the window fills them again.
    void ClearOwn();
    void SetText(int row, int column, const QString& text, bool right = false);
    void SetBackground(int row, int column, const QColor& colour);
    void SetCheck(int row, int column, bool checked, const QString& accessibleText);
    // The whole row struck through but for one own column (-1: none).
    void Strike(int row, int sparedColumn);
    // Tells the view the own cells changed.
    void Shown();

signals:
    void Ticked(int row, int column, bool checked);

private:
    struct OwnCell {
        QString text;
        QColor background;
        bool right = false;
        int check = -1;  // -1: none, else Qt::CheckState
        QString accessibleText;
    };
    OwnCell& own(int row, int column) { return own_[static_cast<std::size_t>(row * ownColumns_ + column)]; }
    const OwnCell& own(int row, int column) const
    {
        return own_[static_cast<std::size_t>(row * ownColumns_ + column)];
    }

    const std::vector<CsvRow>& rows_;
    QStringList headers_;
    int ownColumns_;
    int fileColumns_;
    std::vector<OwnCell> own_;
    std::vector<int> struck_;  // per row: -2 not struck, else the spared column (-1: none)
};

// Shows the file's rows in `table` after the columns named `ownHeaders`,
// one table row per file row; the model returned fills the own columns.
PreviewRows* ShowFileRows(QTableView* table, const std::vector<CsvRow>& rows, const QStringList& ownHeaders);

// "読み込めない行（14行）：2行目：…、3行目：…、…ほか4行": at most
// kShownRefusals of them, so a file of refused rows keeps a label of a few lines.
constexpr int kShownRefusals = 10;
QString RefusedRowsText(const QStringList& refusals);

// "読み込んだファイル： name.csv（UTF-8（BOM付き））".
QString FileLine(const QString& path, TextEncoding encoding);

} // namespace miravel
