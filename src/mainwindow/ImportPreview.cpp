#include "mainwindow/ImportPreview.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QTableWidget>

namespace miravel {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// A cell shown on one line, however long the answer in it.
QString Shortened(const std::string& text)
{
    QString shown = Q(text).simplified();
    return shown.size() > 24 ? shown.left(23) + QChar(0x2026) : shown;
}

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

void ShowFileRows(QTableWidget* table, const std::vector<CsvRow>& rows, int first, const QStringList& ownHeaders)
{
    const int columns = static_cast<int>(ColumnCount(rows));
    table->setRowCount(static_cast<int>(rows.size()));
    table->setColumnCount(first + columns);
    QStringList headers = ownHeaders;
    for (int c = 0; c < columns; ++c)
        headers << QString::number(c + 1) + QStringLiteral("列目");
    table->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < columns; ++c)
            table->setItem(r, first + c, new QTableWidgetItem(Shortened(CellOf(rows[static_cast<std::size_t>(r)], c))));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
}

QString FileLine(const QString& path, TextEncoding encoding)
{
    return QStringLiteral("読み込んだファイル：") + QFileInfo(path).fileName() + QStringLiteral("（") +
           QString::fromUtf8(EncodingName(encoding)) + QStringLiteral("として読みました）");
}

} // namespace miravel
