// The notes editor's list of the class, and the ways 所見 come in from
// elsewhere: a column pasted from a spreadsheet and a CSV file, each after
// a preview; and the class settings the editor writes by.

#include "editors/notes/FormNotes.h"

#include "core/GradeBook.h"
#include "editors/notes/NotesImportWindow.h"
#include "editors/notes/NotesPaste.h"
#include "editors/notes/NotesRules.h"
#include "editors/notes/NotesSettingsDialog.h"
#include "editors/notes/NotesTexts.h"
#include "mainwindow/FailureText.h"
#include "mainwindow/MainWindowTexts.h"
#include "platform/FileLayerPath.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace miravel {

namespace {

namespace nt = notes_texts;

QString U(const char* text) { return QString::fromUtf8(text); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

const QColor kNotDoneColour(255, 235, 205);

} // namespace

QWidget* FormNotes::createListPage()
{
    auto* page = new QWidget;
    List = new QTableWidget;
    List->setAccessibleName(U(nt::kListTable));
    List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List->setSelectionBehavior(QAbstractItemView::SelectRows);
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    List->setTabKeyNavigation(false);
    List->verticalHeader()->hide();
    List->verticalHeader()->setDefaultSectionSize(List->fontMetrics().height() + 6);
    List->horizontalHeader()->setStretchLastSection(true);
    List->setToolTip(U("行をダブルクリックすると、その児童の入力に移ります。Ctrl+V で所見の列を貼り付けます。"));
    PasteButton = new QPushButton(U(nt::kPasteRemarks));
    ImportButton = new QPushButton(U(nt::kImportRemarks));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PasteButton);
    buttons->addWidget(ImportButton);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(List, 1);
    layout->addLayout(buttons);
    return page;
}

void FormNotes::ShowList()
{
    const std::vector<NotesListRow> rows = NotesList(Book(), working_, period_);
    const std::vector<NoteText> texts = TextsInUse(working_);
    // What is missing comes first; the first line takes the room left.
    QStringList headers = {U("番号"), U("氏名"), U("まだのこと")};
    for (NoteText t : texts)
        headers << U(NoteTextName(t)) + U("の字数");
    headers << U("欠席") << U("所見（1行目）");
    const int columns = static_cast<int>(headers.size());
    List->setUpdatesEnabled(false);
    List->clear();
    List->setColumnCount(columns);
    List->setRowCount(static_cast<int>(rows.size()));
    List->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < List->rowCount(); ++r) {
        const NotesListRow& row = rows[static_cast<std::size_t>(r)];
        QStringList cells = {QString::number(row.number), Q(row.name), Q(row.missing)};
        for (std::size_t i = 0; i < texts.size(); ++i)
            cells << (i < row.counts.size() ? Q(row.counts[i]) : QString());
        cells << Q(row.absent) << Q(row.firstLine);
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (!row.missing.empty())
                item->setBackground(kNotDoneColour);
            List->setItem(r, c, item);
        }
    }
    List->resizeColumnsToContents();
    // The first line is a reminder, not the text: it gives way to the counts.
    List->setColumnWidth(columns - 1, std::min(List->columnWidth(columns - 1), 200));
    List->setUpdatesEnabled(true);
}

void FormNotes::PasteRemarks()
{
    const ClipboardColumn column = ColumnOfClipboard(QGuiApplication::clipboard()->text().toStdString());
    if (column.cells.empty()) {
        inform(U(nt::kNothingToPaste));
        return;
    }
    if (column.severalColumns) {
        inform(U(nt::kSeveralColumns));
        return;
    }
    const int row = List->currentRow();
    const int first = row >= 0 ? row + 1 : 1;
    StudentTexts remarks = TextsOf(working_, period_, NoteText::Remarks);
    const TextImportPlan plan =
        PlanTextPaste(Book(), remarks, column.cells, first, working_.Limit(NoteText::Remarks));
    NotesImportWindow preview(Book(), plan, this);
    if (preview.exec() != QDialog::Accepted)
        return;
    const int taken = ApplyTextImport(preview.Plan(), remarks);
    SetTexts(working_, period_, NoteText::Remarks, remarks);
    ShowStudent(number_);
    ShowList();
    inform(QString::number(taken) + U(" 人の所見を入れました。") + U(nt::kNotInFileYet));
}

void FormNotes::ImportRemarks()
{
    const QString path = platform_.GetOpenFileName(this, U(texts::kOpenTitle), U(texts::kTableFilter));
    if (path.isEmpty())
        return;
    CsvTableFile file;
    if (const FileResult error = ReadCsvTable(FileLayerPath(path), file)) {
        inform(FailureText(nt::kCannotReadFile, path, *error));
        return;
    }
    NotesImportWindow preview(Book(), working_, period_, file, path, this);
    if (preview.exec() != QDialog::Accepted)
        return;
    const NoteText target = preview.Target();
    StudentTexts texts = TextsOf(working_, period_, target);
    const int taken = ApplyTextImport(preview.Plan(), texts);
    SetTexts(working_, period_, target, texts);
    ShowStudent(number_);
    ShowList();
    inform(QString::number(taken) + U(" 人の") + U(NoteTextName(target)) + U("を入れました。") +
           U(nt::kNotInFileYet));
}

void FormNotes::EditClassSettings()
{
    NotesSettingsDialog dialog(platform_, working_, PeriodNames(Book()), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    working_ = dialog.Entered();
    showTextsInUse();
    ShowStudent(number_);
    if (Tabs->currentIndex() == 1)
        ShowList();
}

} // namespace miravel
