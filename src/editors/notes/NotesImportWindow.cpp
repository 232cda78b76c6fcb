#include "editors/notes/NotesImportWindow.h"

#include "editors/notes/NotesRules.h"
#include "editors/notes/NotesTexts.h"
#include "mainwindow/ImportPreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace miravel {

namespace {

namespace nt = notes_texts;

QString U(const char* text) { return QString::fromUtf8(text); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

const QColor kRefusedColour(255, 220, 220);
const QColor kChangedColour(220, 240, 255);
enum Column { kRow, kNumber, kName, kBefore, kAfter, kNote, kPreviewColumns };

} // namespace

NotesImportWindow::NotesImportWindow(const GradeBook& book, const TextImportPlan& plan, QWidget* parent)
    : QDialog(parent), book_(book), plan_(plan)
{
    setWindowTitle(U(nt::kPastePreview));
    build(nullptr, QString());
    showPlan();
}

NotesImportWindow::NotesImportWindow(const GradeBook& book, const ReportNotes& notes, int period,
                                     const CsvTableFile& file, const QString& path, QWidget* parent)
    : QDialog(parent), book_(book), notes_(&notes), period_(period), file_(&file)
{
    setWindowTitle(U(nt::kImportPreview));
    const TextColumns found = DetectTextColumns(file.rows);
    NumberColumn = ColumnChooser(file.rows, true);
    CodeColumn = ColumnChooser(file.rows, true);
    NameColumn = ColumnChooser(file.rows, true);
    TextColumn = ColumnChooser(file.rows, true);
    ChooseColumn(NumberColumn, found.number);
    ChooseColumn(CodeColumn, found.code);
    ChooseColumn(NameColumn, found.name);
    ChooseColumn(TextColumn, found.text);
    HeaderRow = new QCheckBox(U("1行目は見出し（読み込まない）(&H)"));
    HeaderRow->setChecked(found.header);
    auto* choices = new QFormLayout;
    choices->addRow(new QLabel(U("児童を見分ける列（児童コード、出席番号、氏名の順に照らし合わせます）")));
    choices->addRow(U("児童コードの列(&D)"), CodeColumn);
    choices->addRow(U("出席番号の列(&B)"), NumberColumn);
    choices->addRow(U("氏名の列(&M)"), NameColumn);
    choices->addRow(U("文の列(&T)"), TextColumn);
    TargetText = new QComboBox;
    for (NoteText t : TextsInUse(notes))
        TargetText->addItem(U(NoteTextName(t)), static_cast<int>(t));
    choices->addRow(U("入れる欄(&E)"), TargetText);
    choices->addRow(QString(), HeaderRow);
    build(choices, FileLine(path, file.encoding));
    for (QComboBox* chooser : {CodeColumn, NumberColumn, NameColumn, TextColumn, TargetText})
        connect(chooser, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] { replan(); });
    connect(HeaderRow, &QCheckBox::toggled, this, [this] { replan(); });
    replan();
}

void NotesImportWindow::build(QLayout* choices, const QString& fileLine)
{
    setAccessibleName(windowTitle());
    Rows = new QTableWidget(0, kPreviewColumns);
    Rows->setAccessibleName(U("取り込む行"));
    Rows->setHorizontalHeaderLabels({U("行"), U("出席番号"), U("氏名"), U("今の文"), U("新しい文"), U("注意")});
    Rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Rows->setSelectionMode(QAbstractItemView::NoSelection);
    Rows->verticalHeader()->hide();
    Rows->setMinimumSize(820, 340);
    Summary = new QLabel;
    Summary->setWordWrap(true);
    auto* buttons = new QDialogButtonBox;
    Take = buttons->addButton(U(nt::kTake), QDialogButtonBox::AcceptRole);
    buttons->addButton(U(nt::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* page = new QVBoxLayout(this);
    if (!fileLine.isEmpty())
        page->addWidget(new QLabel(fileLine));
    if (choices)
        page->addLayout(choices);
    page->addWidget(Rows, 1);
    page->addWidget(Summary);
    page->addWidget(buttons);
}

NoteText NotesImportWindow::Target() const
{
    return TargetText ? static_cast<NoteText>(TargetText->currentData().toInt()) : NoteText::Remarks;
}

void NotesImportWindow::replan()
{
    TextColumns columns;
    columns.number = ChosenColumn(NumberColumn);
    columns.code = ChosenColumn(CodeColumn);
    columns.name = ChosenColumn(NameColumn);
    columns.text = ChosenColumn(TextColumn);
    columns.header = HeaderRow->isChecked();
    const NoteText target = Target();
    plan_ = PlanTextImport(book_, TextsOf(*notes_, period_, target), file_->rows, columns, notes_->Limit(target));
    showPlan();
}

void NotesImportWindow::showPlan()
{
    Rows->setRowCount(static_cast<int>(plan_.rows.size()));
    for (int r = 0; r < Rows->rowCount(); ++r) {
        const TextImportRow& row = plan_.rows[static_cast<std::size_t>(r)];
        const QString cells[kPreviewColumns] = {
            QString::number(row.sourceRow),
            row.number ? QString::number(row.number) : QString(),
            row.number ? Q(book_.StudentNames[row.number - 1]) : U("該当なし"),
            Q(row.before).simplified(),
            Q(row.after).simplified(),
            Q(row.note)};
        for (int c = 0; c < kPreviewColumns; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setToolTip(c == kBefore ? Q(row.before) : c == kAfter ? Q(row.after) : QString());
            if (!row.taken && (c == kNumber || c == kName || c == kNote))
                item->setBackground(kRefusedColour);
            if (row.taken && c == kAfter)
                item->setBackground(kChangedColour);
            Rows->setItem(r, c, item);
        }
    }
    Rows->resizeColumnsToContents();
    for (int c : {kBefore, kAfter})
        Rows->setColumnWidth(c, std::min(Rows->columnWidth(c), 260));
    Summary->setText(Q(TextImportSummary(book_, plan_)));
    Take->setEnabled(plan_.taken > 0);
}

} // namespace miravel
