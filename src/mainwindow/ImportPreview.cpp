#include "mainwindow/ImportPreview.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFont>
#include <QHeaderView>
#include <QTableView>

namespace miravel {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// A cell shown on one line, however long the answer in it.
QString Shortened(const std::string& text)
{
    QString shown = Q(text).simplified();
    return shown.size() > 24 ? shown.left(23) + QChar(0x2026) : shown;
}

constexpr int kNotStruck = -2;

} // namespace

QComboBox* ColumnChooser(const std::vector<CsvRow>& rows, bool optional)
{
    auto* chooser = new QComboBox;
    if (optional)
        chooser->addItem(QStringLiteral("（なし）"), -1);
    const int columns = static_cast<int>(ColumnCount(rows));
    for (int c = 0; c < columns; ++c) {
        const QString sample = rows.empty() ? QString() : Shortened(CellOf(rows.front(), c));
        chooser->addItem(QString::number(c + 1) + QStringLiteral("列目 ") + sample, c);
    }
    return chooser;
}

void ChooseColumn(QComboBox* chooser, int column)
{
    const int index = chooser->findData(column);
    if (index >= 0)
        chooser->setCurrentIndex(index);
}

int ChosenColumn(const QComboBox* chooser) { return chooser->currentData().toInt(); }

PreviewRows::PreviewRows(const std::vector<CsvRow>& rows, const QStringList& ownHeaders, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows), headers_(ownHeaders), ownColumns_(static_cast<int>(ownHeaders.size())),
      fileColumns_(static_cast<int>(ColumnCount(rows))),
      own_(rows.size() * static_cast<std::size_t>(ownColumns_)), struck_(rows.size(), kNotStruck)
{
    for (int c = 0; c < fileColumns_; ++c)
        headers_ << QString::number(c + 1) + QStringLiteral("列目");
}

int PreviewRows::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PreviewRows::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ownColumns_ + fileColumns_;
}

QVariant PreviewRows::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int r = index.row(), c = index.column();
    if (role == Qt::FontRole) {
        if (struck_[static_cast<std::size_t>(r)] == kNotStruck || struck_[static_cast<std::size_t>(r)] == c)
            return QVariant();
        QFont font;
        font.setStrikeOut(true);
        return font;
    }
    if (c >= ownColumns_)
        return role == Qt::DisplayRole ? QVariant(Shortened(CellOf(rows_[static_cast<std::size_t>(r)], c - ownColumns_)))
                                       : QVariant();
    const OwnCell& cell = own(r, c);
    switch (role) {
    case Qt::DisplayRole:
        return cell.text;
    case Qt::BackgroundRole:
        return cell.background.isValid() ? QVariant(cell.background) : QVariant();
    case Qt::TextAlignmentRole:
        return cell.right ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    case Qt::CheckStateRole:
        return cell.check < 0 ? QVariant() : QVariant(cell.check);
    case Qt::AccessibleTextRole:
        return cell.accessibleText.isEmpty() ? QVariant() : QVariant(cell.accessibleText);
    default:
        return QVariant();
    }
}

QVariant PreviewRows::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section + 1;
    return section >= 0 && section < headers_.size() ? QVariant(headers_[section]) : QVariant();
}

Qt::ItemFlags PreviewRows::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() < ownColumns_ && own(index.row(), index.column()).check >= 0)
        return Qt::ItemIsEnabled | Qt::ItemIsUserCheckable;
    return Qt::ItemIsEnabled;
}

bool PreviewRows::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !index.isValid() || index.column() >= ownColumns_ ||
        own(index.row(), index.column()).check < 0)
        return false;
    const bool checked = value.toInt() == Qt::Checked;
    own(index.row(), index.column()).check = checked ? Qt::Checked : Qt::Unchecked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit Ticked(index.row(), index.column(), checked);
    return true;
}

void PreviewRows::ClearOwn()
{
    std::fill(own_.begin(), own_.end(), OwnCell{});
    std::fill(struck_.begin(), struck_.end(), kNotStruck);
}

void PreviewRows::SetText(int row, int column, const QString& text, bool right)
{
    own(row, column).text = text;
    own(row, column).right = right;
}

void PreviewRows::SetBackground(int row, int column, const QColor& colour) { own(row, column).background = colour; }

void PreviewRows::SetCheck(int row, int column, bool checked, const QString& accessibleText)
{
    own(row, column).check = checked ? Qt::Checked : Qt::Unchecked;
    own(row, column).accessibleText = accessibleText;
}

void PreviewRows::Strike(int row, int sparedColumn) { struck_[static_cast<std::size_t>(row)] = sparedColumn; }

void PreviewRows::Shown()
{
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

PreviewRows* ShowFileRows(QTableView* table, const std::vector<CsvRow>& rows, const QStringList& ownHeaders)
{
    auto* model = new PreviewRows(rows, ownHeaders, table);
    table->setModel(model);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return model;
}

QString RefusedRowsText(const QStringList& refusals)
{
    if (refusals.isEmpty())
        return QString();
    QString text = QStringLiteral("読み込めない行（") + QString::number(refusals.size()) + QStringLiteral("行）：") +
                   refusals.mid(0, kShownRefusals).join(QStringLiteral("、"));
    if (refusals.size() > kShownRefusals)
        text += QStringLiteral("、…ほか") + QString::number(refusals.size() - kShownRefusals) + QStringLiteral("行");
    return text;
}

QString FileLine(const QString& path, TextEncoding encoding)
{
    return QStringLiteral("読み込んだファイル：") + QFileInfo(path).fileName() + QStringLiteral("（") +
           QString::fromUtf8(EncodingName(encoding)) + QStringLiteral("として読みました）");
}

} // namespace miravel
